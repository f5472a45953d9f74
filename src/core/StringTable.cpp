// SPDX-License-Identifier: GPL-3.0-or-later

#include "StringTable.h"

#include <QCoreApplication>
#include <QList>
#include <QTranslator>

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    int id;
    struct {
        const char* source;
        const char* comment;
    } text;
};

// Sorted by id. The id is the translation's disambiguation, so equal French texts under
// different ids may be translated apart.
const Entry kTable[] = {
    {128,
     QT_TRANSLATE_NOOP3("StringTable",
                        "SkarnholtDB\n\nSkarnh\n\n\nSkarnholtDB.Document\nSkarnh Document", "128")},
    {129, QT_TRANSLATE_NOOP3("StringTable", "Max", "129")},
    {130, QT_TRANSLATE_NOOP3("StringTable", "Min", "130")},
    {131, QT_TRANSLATE_NOOP3("StringTable", "Upg", "131")},
    {132, QT_TRANSLATE_NOOP3("StringTable", "Pts", "132")},
    {133, QT_TRANSLATE_NOOP3("StringTable", "Ecl", "133")},
    {134, QT_TRANSLATE_NOOP3("StringTable", "Ter", "134")},
    {135, QT_TRANSLATE_NOOP3("StringTable", "Jp", "135")},
    {136, QT_TRANSLATE_NOOP3("StringTable", "Mvt", "136")},
    {137, QT_TRANSLATE_NOOP3("StringTable", "Arme", "137")},
    {138, QT_TRANSLATE_NOOP3("StringTable", "Armure", "138")},
    {139, QT_TRANSLATE_NOOP3("StringTable", "Val", "139")},
    {140, QT_TRANSLATE_NOOP3("StringTable", "Res", "140")},
    {141, QT_TRANSLATE_NOOP3("StringTable", "For", "141")},
    {142, QT_TRANSLATE_NOOP3("StringTable", "Type", "142")},
    {143, QT_TRANSLATE_NOOP3("StringTable", "Qua", "143")},
    {144, QT_TRANSLATE_NOOP3("StringTable", "Nom", "144")},
    {145, QT_TRANSLATE_NOOP3("StringTable", "Race", "145")},
    {146, QT_TRANSLATE_NOOP3("StringTable", "Oui", "146")},
    {147, QT_TRANSLATE_NOOP3("StringTable", "Non", "147")},
    {149, QT_TRANSLATE_NOOP3("StringTable", "Notes", "149")},
    {150, QT_TRANSLATE_NOOP3("StringTable", "Budget", "150")},
    {151, QT_TRANSLATE_NOOP3("StringTable", "Coût total", "151")},
    {152, QT_TRANSLATE_NOOP3("StringTable",
                             "Attention supprimer un chef de guerre, revient à supprimer toute "
                             "l'armée\nVoulez-vous continuer ?",
                             "152")},
    {153, QT_TRANSLATE_NOOP3("StringTable",
                             "Attention supprimer un chef de groupe, revient à supprimer toutes "
                             "les unités qu'il commande\nVoulez-vous continuer ?",
                             "153")},
    {154,
     QT_TRANSLATE_NOOP3("StringTable", "Impossible de poser un leader sous une unité.", "154")},
    {155, QT_TRANSLATE_NOOP3("StringTable", "Vous devez renseigner le nom de votre armée.", "155")},
    {156, QT_TRANSLATE_NOOP3("StringTable", "Renseignez un autre budget.", "156")},
    {157, QT_TRANSLATE_NOOP3("StringTable", "Vous devez sélectionner une race.", "157")},
    {158, QT_TRANSLATE_NOOP3("StringTable", "Il faut renseigner le nom de la bataille.", "158")},
    {159, QT_TRANSLATE_NOOP3("StringTable", "Ajouter au moins deux armées dans la liste.", "159")},
    {160,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Cette armée est déjà dans la liste, choisissez-en une autre.", "160")},
    {161, QT_TRANSLATE_NOOP3("StringTable", "Sélectionnez une armée.", "161")},
    {162, QT_TRANSLATE_NOOP3("StringTable", "Sélectionnez une bataille.", "162")},
    {163,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Impossible d'ouvrir la source de données : Skarnholt, see ODBC.", "163")},
    {164, QT_TRANSLATE_NOOP3("StringTable", "Vous avez déjà un chef de guerre.", "164")},
    {165,
     QT_TRANSLATE_NOOP3("StringTable", "Vous devez insérer un chef de guerre avant tout.", "165")},
    {166, QT_TRANSLATE_NOOP3("StringTable",
                             "Sélectionnez un leader dans l'arborecscence de votre armée.", "166")},
    {167, QT_TRANSLATE_NOOP3("StringTable", "Liste des batailles", "167")},
    {168, QT_TRANSLATE_NOOP3("StringTable", "Cette bataille existe déjà.", "168")},
    {169, QT_TRANSLATE_NOOP3("StringTable", "Impossible de charger la bataille.", "169")},
    {170, QT_TRANSLATE_NOOP3("StringTable", "Armée", "170")},
    {171, QT_TRANSLATE_NOOP3("StringTable", "Budget", "171")},
    {172, QT_TRANSLATE_NOOP3("StringTable", "Coût", "172")},
    {173, QT_TRANSLATE_NOOP3("StringTable", "Race", "173")},
    {174, QT_TRANSLATE_NOOP3("StringTable", "Bataille", "174")},
    {175, QT_TRANSLATE_NOOP3("StringTable", "Budget total", "175")},
    {176, QT_TRANSLATE_NOOP3("StringTable", "Coût total", "176")},
    {177, QT_TRANSLATE_NOOP3("StringTable", "Bouclier", "177")},
    {178, QT_TRANSLATE_NOOP3("StringTable", "Propriétés", "178")},
    {179, QT_TRANSLATE_NOOP3("StringTable", "Description", "179")},
    {180, QT_TRANSLATE_NOOP3("StringTable", "Amazone", "180")},
    {181, QT_TRANSLATE_NOOP3("StringTable", "Barbare", "181")},
    {182, QT_TRANSLATE_NOOP3("StringTable", "Créature", "182")},
    {183, QT_TRANSLATE_NOOP3("StringTable", "Elf noir", "183")},
    {184, QT_TRANSLATE_NOOP3("StringTable", "Elf sylvestre", "184")},
    {185, QT_TRANSLATE_NOOP3("StringTable", "Géant", "185")},
    {186, QT_TRANSLATE_NOOP3("StringTable", "Goblin", "186")},
    {187, QT_TRANSLATE_NOOP3("StringTable", "Haut elf", "187")},
    {188, QT_TRANSLATE_NOOP3("StringTable", "Hobgoblin", "188")},
    {189, QT_TRANSLATE_NOOP3("StringTable", "Humain", "189")},
    {190, QT_TRANSLATE_NOOP3("StringTable", "Mort vivant", "190")},
    {191, QT_TRANSLATE_NOOP3("StringTable", "Nain", "191")},
    {192, QT_TRANSLATE_NOOP3("StringTable", "Ogre", "192")},
    {193, QT_TRANSLATE_NOOP3("StringTable", "Orc", "193")},
    {194, QT_TRANSLATE_NOOP3("StringTable", "Summoned", "194")},
    {195, QT_TRANSLATE_NOOP3("StringTable", "Troll", "195")},
    {196, QT_TRANSLATE_NOOP3("StringTable", "Aucune", "196")},
    {197, QT_TRANSLATE_NOOP3("StringTable", "Légère", "197")},
    {198, QT_TRANSLATE_NOOP3("StringTable", "Moyenne", "198")},
    {199, QT_TRANSLATE_NOOP3("StringTable", "Lourde", "199")},
    {200, QT_TRANSLATE_NOOP3("StringTable", "Très lourde", "200")},
    {201, QT_TRANSLATE_NOOP3("StringTable", "Pauvre", "201")},
    {202, QT_TRANSLATE_NOOP3("StringTable", "Moyen", "202")},
    {203, QT_TRANSLATE_NOOP3("StringTable", "Vétérant", "203")},
    {204, QT_TRANSLATE_NOOP3("StringTable", "Elite", "204")},
    {205, QT_TRANSLATE_NOOP3("StringTable", "Discipliné", "205")},
    {206, QT_TRANSLATE_NOOP3("StringTable", "Tribale", "206")},
    {207, QT_TRANSLATE_NOOP3("StringTable", "Fanatique", "207")},
    {208, QT_TRANSLATE_NOOP3("StringTable", "Tribale / Fanatique", "208")},
    {210, QT_TRANSLATE_NOOP3("StringTable", "Aucun", "210")},
    {211, QT_TRANSLATE_NOOP3("StringTable", "Jour", "211")},
    {212, QT_TRANSLATE_NOOP3("StringTable", "Nuit", "212")},
    {213, QT_TRANSLATE_NOOP3("StringTable", "Aucune", "213")},
    {214, QT_TRANSLATE_NOOP3("StringTable", "1 main", "214")},
    {215, QT_TRANSLATE_NOOP3("StringTable", "2 mains", "215")},
    {216, QT_TRANSLATE_NOOP3("StringTable", "Arbalète", "216")},
    {217, QT_TRANSLATE_NOOP3("StringTable", "Arbalète géante", "217")},
    {218, QT_TRANSLATE_NOOP3("StringTable", "Arc", "218")},
    {219, QT_TRANSLATE_NOOP3("StringTable", "Arc long", "219")},
    {220, QT_TRANSLATE_NOOP3("StringTable", "Hast", "220")},
    {221, QT_TRANSLATE_NOOP3("StringTable", "Arquebuse", "221")},
    {222, QT_TRANSLATE_NOOP3("StringTable", "Baliste", "222")},
    {223, QT_TRANSLATE_NOOP3("StringTable", "Canon", "223")},
    {224, QT_TRANSLATE_NOOP3("StringTable", "Cornes et sabots", "224")},
    {225, QT_TRANSLATE_NOOP3("StringTable", "Griffes et crocs", "225")},
    {226, QT_TRANSLATE_NOOP3("StringTable", "Lance", "226")},
    {227, QT_TRANSLATE_NOOP3("StringTable", "Pique", "227")},
    {228, QT_TRANSLATE_NOOP3("StringTable", "Spéciale", "228")},
    {230,
     QT_TRANSLATE_NOOP3("StringTable", "Cette armée est déjà encours de modification.", "230")},
    {231, QT_TRANSLATE_NOOP3("StringTable", "Imprévisible", "231")},
    {232, QT_TRANSLATE_NOOP3("StringTable", "Bouclier", "232")},
    {233, QT_TRANSLATE_NOOP3("StringTable", "Mort", "233")},
    {234, QT_TRANSLATE_NOOP3("StringTable", "Hobbit", "234")},
    {235, QT_TRANSLATE_NOOP3("StringTable", "Un nom ne peut pas dépasser 255 caractères.", "235")},
    {236, QT_TRANSLATE_NOOP3("StringTable", "Une armée porte déjà ce nom, choisissez-en un autre.",
                             "236")},
    {237, QT_TRANSLATE_NOOP3("StringTable", "Impossible d'écrire le fichier %1.", "237")},
    {238, QT_TRANSLATE_NOOP3("StringTable", "Une description ne peut pas dépasser 255 caractères.",
                             "238")},
    {239, QT_TRANSLATE_NOOP3("StringTable", "Entrez un nombre entier.", "239")},
    {240,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Supprimer définitivement l'armée « %1 » et ses membres (%2) ?", "240")},
    {241, QT_TRANSLATE_NOOP3("StringTable",
                             "Cette armée est ouverte dans l'éditeur : fermez-la avant de la "
                             "supprimer.",
                             "241")},
    {242, QT_TRANSLATE_NOOP3("StringTable",
                             "La source de données « Skarnholt » ne contient pas les tables du "
                             "programme (%1).\nPréparez-la avec la commande "
                             "skarnholtdb-setup-datasource (ou, dans les sources, le script "
                             "scripts/setup-datasource.sh), puis relancez SkarnholtDB.",
                             "242")},
    {243, QT_TRANSLATE_NOOP3("StringTable",
                             "Cette armée vient d'être modifiée par un autre programme : elle est "
                             "relue telle qu'elle est enregistrée et votre dernière modification "
                             "n'a pas été faite.",
                             "243")},
    {244, QT_TRANSLATE_NOOP3("StringTable", "Fichier écrit : %1", "244")},
    {245, QT_TRANSLATE_NOOP3("StringTable",
                             "Aucun programme n'a pu afficher le fichier ; il est enregistré "
                             "ici :\n%1",
                             "245")},
    {246, QT_TRANSLATE_NOOP3("StringTable", "Qualité", "246")},
    {247, QT_TRANSLATE_NOOP3("StringTable", "Force", "247")},
    {248, QT_TRANSLATE_NOOP3("StringTable", "Résistance", "248")},
    {249, QT_TRANSLATE_NOOP3("StringTable", "Valeur", "249")},
    {250, QT_TRANSLATE_NOOP3("StringTable", "Jet de protection", "250")},
    {251, QT_TRANSLATE_NOOP3("StringTable", "Terrible", "251")},
    {252, QT_TRANSLATE_NOOP3("StringTable", "Éclairage", "252")},
    {253, QT_TRANSLATE_NOOP3("StringTable", "Mouvement (cm)", "253")},
    {254, QT_TRANSLATE_NOOP3("StringTable", "%1\nFrançais : %2\nAnglais : %3", "254")},
    {255, QT_TRANSLATE_NOOP3("StringTable", "ajouter %1", "255")},
    {256, QT_TRANSLATE_NOOP3("StringTable", "supprimer %1", "256")},
    {257, QT_TRANSLATE_NOOP3("StringTable", "déplacer %1", "257")},
    {258, QT_TRANSLATE_NOOP3("StringTable", "modifier %1", "258")},
    {259, QT_TRANSLATE_NOOP3("StringTable", "renommer %1", "259")},
    {260, QT_TRANSLATE_NOOP3("StringTable", "modifier les paramètres de l'armée", "260")},
    {261, QT_TRANSLATE_NOOP3("StringTable", "Annuler : %1", "261")},
    {262, QT_TRANSLATE_NOOP3("StringTable", "Rétablir : %1", "262")},
    {263, QT_TRANSLATE_NOOP3("StringTable", "É&dition", "263")},
    {264, QT_TRANSLATE_NOOP3("StringTable", "Annuler", "264")},
    {265, QT_TRANSLATE_NOOP3("StringTable", "Rétablir", "265")},
    {266, QT_TRANSLATE_NOOP3("StringTable", "L'armée dépasse son budget de %1 points.", "266")},
    {267, QT_TRANSLATE_NOOP3("StringTable", "L'armée n'a pas de chef de guerre.", "267")},
    {268, QT_TRANSLATE_NOOP3("StringTable", "%1 n'est pas de la race de l'armée (%2).", "268")},
    {269, QT_TRANSLATE_NOOP3("StringTable",
                             "%1 a %2 musiciens pour %3 figurines : il en faut moins que de "
                             "figurines.",
                             "269")},
    {270, QT_TRANSLATE_NOOP3("StringTable", "%1 a %2 figurines ; son type en permet de %3 à %4.",
                             "270")},
    {271, QT_TRANSLATE_NOOP3("StringTable", "%1 est de qualité %2 ; son type permet de %3 à %4.",
                             "271")},
    {272,
     QT_TRANSLATE_NOOP3("StringTable", "Le chef de groupe %1 ne commande aucune unité.", "272")},
    {273, QT_TRANSLATE_NOOP3("StringTable", "%1 membres s'appellent « %2 ».", "273")},
    {274, QT_TRANSLATE_NOOP3("StringTable", "&Problèmes de l'armée", "274")},
    {275, QT_TRANSLATE_NOOP3("StringTable", "Aucun problème.", "275")},
    {276, QT_TRANSLATE_NOOP3("StringTable", "Rechercher un type d'unité", "276")},
    {277, QT_TRANSLATE_NOOP3("StringTable",
                             "Une partie du nom français ou anglais, sans souci des majuscules ni "
                             "des accents (Ctrl+F ; Échap efface)",
                             "277")},
    {278, QT_TRANSLATE_NOOP3("StringTable", "&Rechercher un type d'unité", "278")},
    {279, QT_TRANSLATE_NOOP3("StringTable", "%1 pts", "279")},
    {280, QT_TRANSLATE_NOOP3("StringTable", "Reste", "280")},
    {281, QT_TRANSLATE_NOOP3("StringTable", "Sous-total de %1 : %2", "281")},
    {282, QT_TRANSLATE_NOOP3("StringTable", "SkarnholtDB, imprimé le %1", "282")},
    {283, QT_TRANSLATE_NOOP3("StringTable", "Page %1 sur %2", "283")},
    {284, QT_TRANSLATE_NOOP3("StringTable", "fr_FR", "284")},
    {285, QT_TRANSLATE_NOOP3("StringTable", "&Imprimer l'armée…", "285")},
    {286, QT_TRANSLATE_NOOP3("StringTable", "Exporter en P&DF…", "286")},
    {287, QT_TRANSLATE_NOOP3("StringTable", "Im&primer le rapport de bataille…", "287")},
    {288, QT_TRANSLATE_NOOP3("StringTable", "Exporter l'armée en PDF", "288")},
    {289, QT_TRANSLATE_NOOP3("StringTable", "Documents PDF (*.pdf)", "289")},
    {290, QT_TRANSLATE_NOOP3("StringTable", "Dépassement", "290")},
    {291, QT_TRANSLATE_NOOP3("StringTable",
                             "La connexion au serveur a été perdue : rien de ce qui était en cours "
                             "n'a été enregistré. Elle sera rouverte à la prochaine action.\n\n%1",
                             "291")},
    {292, QT_TRANSLATE_NOOP3("StringTable",
                             "La connexion au serveur a été perdue pendant l'enregistrement : il a "
                             "pu être fait ou non. Elle sera rouverte à la prochaine action ; la "
                             "liste relue montrera ce qui est enregistré.\n\n%1",
                             "292")},
    {293,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "Le serveur ne répond plus : rien n'a été lu ni enregistré. Réessayez plus tard.\n\n%1",
         "293")},
    {294, QT_TRANSLATE_NOOP3("StringTable",
                             "Connexion au serveur perdue : nouvel essai (%1 sur %2)…", "294")},
    {295, QT_TRANSLATE_NOOP3("StringTable", "Connexion au serveur rétablie.", "295")},
    {296,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "La connexion au serveur a été perdue pendant votre modification, qui n'a pas été "
         "enregistrée. La connexion est rétablie et l'armée relue telle qu'elle est enregistrée.",
         "296")},
    {297,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "La connexion au serveur a été perdue à la fin de votre modification, qui a bien été "
         "enregistrée. La connexion est rétablie et l'armée relue telle qu'elle est enregistrée.",
         "297")},
    {298, QT_TRANSLATE_NOOP3("StringTable",
                             "La connexion au serveur a été perdue pendant votre modification, qui "
                             "n'a pas été enregistrée, et le serveur ne répond plus : l'armée est "
                             "fermée. Rouvrez-la quand il répondra.",
                             "298")},
    {299, QT_TRANSLATE_NOOP3("StringTable",
                             "La connexion au serveur a été perdue à la fin de votre modification "
                             "et le serveur ne répond plus : l'armée est fermée. Rouvrez-la quand "
                             "il répondra pour savoir si la modification a été enregistrée.",
                             "299")},
    {300,
     QT_TRANSLATE_NOOP3(
         "StringTable",
         "Cette armée appartient à %1 : vous pouvez la voir, l'imprimer, l'exporter et la mettre "
         "dans une bataille, mais pas la modifier. Elle est relue telle qu'elle est enregistrée.",
         "300")},
    {301, QT_TRANSLATE_NOOP3("StringTable", "Armée de %1 — lecture seule", "301")},
    {302, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Le serveur a refusé : seul le joueur qui l'a créée, ou un administrateur du club, "
              "peut modifier ou supprimer cette armée ou cette bataille. Rien n'a été changé.",
              "302")},
    {303, QT_TRANSLATE_NOOP3("StringTable", "Entrez un nombre entier entre %1 et %2.", "303")},
    {304, QT_TRANSLATE_NOOP3("StringTable", "&Retirer l'armée", "304")},
    {305, QT_TRANSLATE_NOOP3("StringTable",
                             "Supprimer définitivement l'armée « %1 » et ses membres (%2) ?\nElle "
                             "sera aussi retirée de la bataille « %3 ».",
                             "305")},
    {306, QT_TRANSLATE_NOOP3("StringTable",
                             "Supprimer définitivement l'armée « %1 » et ses membres (%2) ?\nElle "
                             "sera aussi retirée de ces %3 batailles :\n%4",
                             "306")},
    {310, QT_TRANSLATE_NOOP3("StringTable",
                             "utilisation : skarnholtdb-export [--output DOSSIER] army NOM|NUMÉRO "
                             "[--format json] | battle NOM|NUMÉRO | catalogue [RACE]",
                             "310")},
    {311, QT_TRANSLATE_NOOP3("StringTable", "aucune armée « %1 »", "311")},
    {312, QT_TRANSLATE_NOOP3("StringTable", "aucune bataille « %1 »", "312")},
    {313, QT_TRANSLATE_NOOP3("StringTable", "aucune race « %1 »", "313")},
    {314, QT_TRANSLATE_NOOP3("StringTable", "impossible d'écrire %1", "314")},
    {315, QT_TRANSLATE_NOOP3("StringTable", "impossible d'ouvrir la source de données « %1 » : %2",
                             "315")},
    {316, QT_TRANSLATE_NOOP3("StringTable",
                             "la source de données « %1 » ne contient pas les tables %2", "316")},
    {330, QT_TRANSLATE_NOOP3("StringTable", "&Partager l'armée…", "330")},
    {331, QT_TRANSLATE_NOOP3("StringTable",
                             "Enregistrer l'armée dans un fichier .skarmy à envoyer à un autre "
                             "joueur\nPartager l'armée",
                             "331")},
    {332, QT_TRANSLATE_NOOP3("StringTable", "I&mporter une armée…", "332")},
    {333, QT_TRANSLATE_NOOP3("StringTable",
                             "Ajouter aux armées celle d'un fichier .skarmy, puis l'ouvrir\n"
                             "Importer une armée",
                             "333")},
    {334, QT_TRANSLATE_NOOP3("StringTable", "Partager l'armée", "334")},
    {335, QT_TRANSLATE_NOOP3("StringTable", "Importer une armée", "335")},
    {336, QT_TRANSLATE_NOOP3("StringTable", "Armées SkarnholtDB (*.skarmy)", "336")},
    {337, QT_TRANSLATE_NOOP3("StringTable", "Armée « %1 » importée de %2", "337")},
    {338,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Le fichier %1 n'a pas été importé : %2\nRien n'a été enregistré.", "338")},
    {339, QT_TRANSLATE_NOOP3("StringTable",
                             "Ces membres de l'armée du fichier %1 ne correspondent pas au "
                             "catalogue de ce programme :\n%2\n\nImporter l'armée sans eux ? En "
                             "tout, %3 membres sur %4 seront laissés de côté : chacun avec sa "
                             "monture ou ses servants et, pour un chef, ceux qu'il commande.",
                             "339")},
    {340, QT_TRANSLATE_NOOP3("StringTable", "Importation de %1…", "340")},
    {341, QT_TRANSLATE_NOOP3("StringTable",
                             "utilisation : skarnholtdb-import [--skip-unknown] FICHIER.skarmy...",
                             "341")},
    {342, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Ajoute aux armées de la source de données « Skarnholt » celles des fichiers "
              ".skarmy donnés, chacune en une transaction, sous son nom ou, s'il est pris, sous "
              "« nom (2) ».\nAffiche le nom de chaque armée importée.\n\n  --skip-unknown  "
              "importe une armée sans les membres que le catalogue n'a pas (sinon le fichier est "
              "refusé)\n  --help          affiche cette aide\n  --version       affiche la "
              "version\n\nÉtat de sortie : 0 tout "
              "importé, 1 mauvaise utilisation, 2 un fichier illisible ou refusé, 3 la source de "
              "données illisible, 4 une armée que la source de données n'a pas enregistrée.\n"
              "Voir aussi : man skarnholtdb-import",
              "342")},
    {343, QT_TRANSLATE_NOOP3("StringTable",
                             "des membres ne correspondent pas au catalogue (--skip-unknown les "
                             "laisse de côté) : %1",
                             "343")},
    {344, QT_TRANSLATE_NOOP3("StringTable", "il ne peut pas être lu (%1).", "344")},
    {345, QT_TRANSLATE_NOOP3("StringTable",
                             "il dépasse %1 Mio, la taille la plus grande d'un fichier d'armée.",
                             "345")},
    {346,
     QT_TRANSLATE_NOOP3("StringTable", "ce n'est pas du texte UTF-8 valide (octet %1).", "346")},
    {347, QT_TRANSLATE_NOOP3("StringTable",
                             "il contient un caractère de contrôle que JSON n'admet pas (octet "
                             "%1).",
                             "347")},
    {348,
     QT_TRANSLATE_NOOP3("StringTable",
                        "ses données sont imbriquées sur plus de %1 niveaux (octet %2).", "348")},
    {349, QT_TRANSLATE_NOOP3("StringTable", "ce n'est pas du JSON : %1 (octet %2).", "349")},
    {350,
     QT_TRANSLATE_NOOP3("StringTable", "ce n'est pas un fichier d'armée de SkarnholtDB.", "350")},
    {351, QT_TRANSLATE_NOOP3("StringTable",
                             "il est au format %1, d'une version plus récente de SkarnholtDB ; "
                             "celle-ci lit le format %2.",
                             "351")},
    {352, QT_TRANSLATE_NOOP3("StringTable", "%1 manque.", "352")},
    {353, QT_TRANSLATE_NOOP3("StringTable", "%1 n'est pas un champ du format.", "353")},
    {354, QT_TRANSLATE_NOOP3("StringTable", "%1 doit être un nombre entier de %2 à %3.", "354")},
    {355, QT_TRANSLATE_NOOP3("StringTable",
                             "%1 doit être un texte d'au plus %2 caractères, sans caractère de "
                             "contrôle.",
                             "355")},
    {356, QT_TRANSLATE_NOOP3("StringTable", "%1 doit être true ou false.", "356")},
    {357, QT_TRANSLATE_NOOP3("StringTable", "%1 doit être un objet { … }.", "357")},
    {358, QT_TRANSLATE_NOOP3("StringTable", "%1 doit être une liste [ … ].", "358")},
    {359, QT_TRANSLATE_NOOP3("StringTable",
                             "il compte %1 membres ; un fichier d'armée en a au plus %2.", "359")},
    {360, QT_TRANSLATE_NOOP3("StringTable", "%1 : « %2 » n'est pas un rang (%3).", "360")},
    {361, QT_TRANSLATE_NOOP3("StringTable",
                             "%1 : le chef de guerre (warchief) est le premier membre, et lui "
                             "seul.",
                             "361")},
    {362, QT_TRANSLATE_NOOP3("StringTable",
                             "%1 : son chef (leader %2) doit être un chef de guerre ou de groupe "
                             "placé avant lui, et celui d'un chef de groupe le chef de guerre "
                             "(0).",
                             "362")},
    {363,
     QT_TRANSLATE_NOOP3("StringTable", "%1 : un membre rattaché ne peut pas être un chef.", "363")},
    {364, QT_TRANSLATE_NOOP3("StringTable", "%1 : le nom de l'armée est vide.", "364")},
    {365,
     QT_TRANSLATE_NOOP3("StringTable",
                        "sa race %1 (« %2 ») n'est pas dans le catalogue de ce programme.", "365")},
    {366,
     QT_TRANSLATE_NOOP3("StringTable",
                        "membre %1 « %2 » : le type %3 « %4 » n'est pas dans ce catalogue", "366")},
    {367, QT_TRANSLATE_NOOP3("StringTable",
                             "membre %1 « %2 » : le type %3 s'appelle « %4 » dans ce catalogue, "
                             "et non « %5 »",
                             "367")},
    {368, QT_TRANSLATE_NOOP3("StringTable",
                             "membre %1 « %2 » : le type %3 « %4 » n'est pas de cette sorte dans "
                             "ce catalogue",
                             "368")},
    {369, QT_TRANSLATE_NOOP3("StringTable",
                             "membre %1 « %2 » : le type %3 « %4 » ne s'ajoute pas avec « %5 » "
                             "dans ce catalogue",
                             "369")},
    {370, QT_TRANSLATE_NOOP3("StringTable",
                             "membre %1 « %2 » : %3 figurines, hors des limites du type (%4 à %5)",
                             "370")},
    {371, QT_TRANSLATE_NOOP3("StringTable",
                             "membre %1 « %2 » : qualité %3, hors des limites du type (%4 à %5)",
                             "371")},
    {372, QT_TRANSLATE_NOOP3("StringTable", "… et %1 autres", "372")},
    {373, QT_TRANSLATE_NOOP3("StringTable",
                             "son chef de guerre ne correspond pas au catalogue de ce programme, "
                             "et sans lui il ne resterait rien de l'armée :\n%1",
                             "373")},
    {374, QT_TRANSLATE_NOOP3("StringTable", "l'armée n'a pas pu être enregistrée : %1", "374")},
    {375, QT_TRANSLATE_NOOP3("StringTable",
                             "ce n'est pas un fichier ordinaire (un dossier, un périphérique ou "
                             "un tube).",
                             "375")},
    {380, QT_TRANSLATE_NOOP3("StringTable", "SkarnholtDB version %1", "380")},
    {381, QT_TRANSLATE_NOOP3("StringTable",
                             "Copyright © 2026 les développeurs de SkarnholtDB.\n"
                             "Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure.\n"
                             "Ce logiciel est libre : vous pouvez le modifier et le redistribuer.\n"
                             "Il est fourni SANS AUCUNE GARANTIE, dans les limites permises par la "
                             "loi.",
                             "381")},
    {382, QT_TRANSLATE_NOOP3(
              "StringTable",
              "utilisation : skarnholtdb [--help | --version]\n"
              "Lance SkarnholtDB, l'éditeur de listes d'armées de Skarnholt, sur la source de\n"
              "données ODBC « Skarnholt ». Les exports sont écrits dans le dossier courant ;\n"
              "skarnholtdb-start lance le programme dans le dossier des documents.\n"
              "  --help     affiche cette aide\n"
              "  --version  affiche la version\n"
              "Voir aussi : man skarnholtdb",
              "382")},
    {383, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Écrit une armée, une bataille ou le catalogue dans un fichier texte, comme les\n"
              "exports du programme, depuis la source de données « Skarnholt », et affiche le\n"
              "chemin du fichier.\n"
              "  --output DOSSIER  écrit dans DOSSIER plutôt que dans le dossier courant\n"
              "  --format json     écrit l'armée en fichier .skarmy à partager (texte sinon)\n"
              "  --help            affiche cette aide\n"
              "  --version         affiche la version\n"
              "Statut : 0 fichier écrit, 1 mauvaise utilisation, 2 armée, bataille ou race\n"
              "introuvable, 3 source de données illisible, 4 fichier impossible à écrire.\n"
              "Voir aussi : man skarnholtdb-export",
              "383")},
    {400, QT_TRANSLATE_NOOP3("StringTable", "Hiérarchie de l'armée", "400")},
    {401, QT_TRANSLATE_NOOP3("StringTable",
                             "Le chef de guerre, ses chefs de groupe et leurs unités. Entrée : "
                             "propriétés ; Suppr : supprimer ; Maj+F10 : menu.",
                             "401")},
    {402, QT_TRANSLATE_NOOP3("StringTable", "Statistiques des membres", "402")},
    {403, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Une ligne par membre, unités attachées comprises. Entrée : propriétés.", "403")},
    {404, QT_TRANSLATE_NOOP3("StringTable", "Catalogue des types d'unités", "404")},
    {405, QT_TRANSLATE_NOOP3(
              "StringTable",
              "Les types d'unités par race. Maj+F10 : ajouter à l'armée ou propriétés.", "405")},
    {406, QT_TRANSLATE_NOOP3("StringTable", "Effacer la recherche", "406")},
    {407, QT_TRANSLATE_NOOP3("StringTable", "Masquer la barre", "407")},
    {408, QT_TRANSLATE_NOOP3("StringTable", "Autres outils", "408")},
    {409, QT_TRANSLATE_NOOP3("StringTable", "Budget %1, coût %2, reste %3", "409")},
    {410,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Entrée ou double-clic sur une ligne : sélectionner son membre.", "410")},
    {411, QT_TRANSLATE_NOOP3("StringTable", "chef de guerre", "411")},
    {412, QT_TRANSLATE_NOOP3("StringTable", "chef de groupe", "412")},
    {413, QT_TRANSLATE_NOOP3("StringTable", "unité de combat", "413")},
    {414, QT_TRANSLATE_NOOP3("StringTable", "personnage", "414")},
    {415, QT_TRANSLATE_NOOP3("StringTable", "non compté", "415")},
    {416, QT_TRANSLATE_NOOP3("StringTable", "servants", "416")},
    {417, QT_TRANSLATE_NOOP3("StringTable", "machine", "417")},
    {418, QT_TRANSLATE_NOOP3("StringTable", "%1 pts", "418")},
    {419, QT_TRANSLATE_NOOP3("StringTable", "%1 points de commandement", "419")},
    {420, QT_TRANSLATE_NOOP3("StringTable", "%1 figurines", "420")},
    {422, QT_TRANSLATE_NOOP3("StringTable", "%1 : %2", "422")},
    {423, QT_TRANSLATE_NOOP3("StringTable", "néant", "423")},
    {424, QT_TRANSLATE_NOOP3("StringTable", "idem", "424")},
    {425, QT_TRANSLATE_NOOP3("StringTable", "Statistiques du membre", "425")},
    {426, QT_TRANSLATE_NOOP3("StringTable", "Types d'unités", "426")},
    {427, QT_TRANSLATE_NOOP3("StringTable", "&Race :", "427")},
    {428, QT_TRANSLATE_NOOP3("StringTable", "Numéro de page", "428")},
    {32772, QT_TRANSLATE_NOOP3("StringTable", "Nouvelle armée\nNouvelle armée", "32772")},
    {32773, QT_TRANSLATE_NOOP3("StringTable", "Ouvrir une armée\nOuvrir une armée", "32773")},
    {32776, QT_TRANSLATE_NOOP3("StringTable", "Exporter au format Excel\nExporter au format Excel",
                               "32776")},
    {32778, QT_TRANSLATE_NOOP3("StringTable",
                               "Ajouter en chef de guerre\nAjouter en chef de guerre", "32778")},
    {32779, QT_TRANSLATE_NOOP3("StringTable",
                               "Ajouter en chef de groupe\nAjouter en chef de groupe", "32779")},
    {32781, QT_TRANSLATE_NOOP3("StringTable", "Propriétés\nPropriétés", "32781")},
    {32782, QT_TRANSLATE_NOOP3("StringTable", "Ajouter\nAjouter", "32782")},
    {32790, QT_TRANSLATE_NOOP3("StringTable",
                               "Sélectionner les races affichées\nSélectionner les races affichées",
                               "32790")},
    {32791, QT_TRANSLATE_NOOP3("StringTable",
                               "Afficher ou masquer les problèmes de l'armée\nProblèmes de l'armée",
                               "32791")},
    {32792,
     QT_TRANSLATE_NOOP3("StringTable",
                        "Imprimer la feuille d'armée, après un aperçu\nImprimer l'armée", "32792")},
    {32793, QT_TRANSLATE_NOOP3("StringTable",
                               "Enregistrer la feuille d'armée en PDF\nExporter en PDF", "32793")},
    {32794, QT_TRANSLATE_NOOP3("StringTable",
                               "Imprimer les feuilles des armées d'une bataille\nImprimer le "
                               "rapport de bataille",
                               "32794")},
    {57344, QT_TRANSLATE_NOOP3("StringTable", "SkarnholtDB", "57344")},
    {57636,
     QT_TRANSLATE_NOOP3("StringTable", "Rechercher un type d'unité dans le catalogue\nRechercher",
                        "57636")},
    {57643,
     QT_TRANSLATE_NOOP3("StringTable", "Annuler la dernière modification\nAnnuler", "57643")},
    {57644,
     QT_TRANSLATE_NOOP3("StringTable", "Rétablir la modification annulée\nRétablir", "57644")},
};

const Entry* FindEntry(int id) {
    auto it = std::lower_bound(std::begin(kTable), std::end(kTable), id,
                               [](const Entry& entry, int key) { return entry.id < key; });
    return it != std::end(kTable) && it->id == id ? it : nullptr;
}

} // namespace

QString LoadResString(int id) {
    const Entry* entry = FindEntry(id);
    if (!entry)
        return QString();
    return QCoreApplication::translate("StringTable", entry->text.source, entry->text.comment);
}

QList<int> StringTableIds() {
    QList<int> ids;
    for (const Entry& entry : kTable)
        ids << entry.id;
    return ids;
}

QString TranslatedResString(const QTranslator& translator, int id) {
    const Entry* entry = FindEntry(id);
    return entry ? translator.translate("StringTable", entry->text.source, entry->text.comment)
                 : QString();
}

QString BuiltInResString(int id) {
    const Entry* entry = FindEntry(id);
    return entry ? QString::fromUtf8(entry->text.source) : QString();
}
