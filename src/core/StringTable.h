// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// Id of the application title in the string table.
constexpr int kAppTitleId = 57344;
// Messages of the program, by their string-table ids.
constexpr int kDeleteWarchiefQuestionId = 152;
constexpr int kDeleteGroupLeaderQuestionId = 153;
constexpr int kLeaderUnderUnitId = 154;
constexpr int kEmptyArmyNameId = 155;
constexpr int kNoBudgetId = 156;
constexpr int kNoRaceId = 157;
constexpr int kEmptyBattleNameId = 158;
constexpr int kTooFewArmiesId = 159;
constexpr int kArmyListedId = 160;
constexpr int kSelectArmyId = 161;
constexpr int kSelectBattleId = 162;
constexpr int kCannotOpenId = 163;
constexpr int kWarchiefExistsId = 164;
constexpr int kNoWarchiefId = 165;
constexpr int kSelectLeaderId = 166;
constexpr int kBattleExistsId = 168;
constexpr int kNoBattleId = 169;
constexpr int kArmyAlreadyOpenId = 230;
// Messages of this program's own, beyond the inherited table.
constexpr int kNameTooLongId = 235;
constexpr int kDuplicateArmyNameId = 236;
constexpr int kCannotWriteFileId = 237;
constexpr int kDescriptionTooLongId = 238;
constexpr int kNotANumberId = 239;
constexpr int kDeleteArmyQuestionId = 240;
constexpr int kOpenArmyNotDeletedId = 241;
constexpr int kMissingTablesId = 242;
constexpr int kArmyChangedElsewhereId = 243;
constexpr int kFileWrittenId = 244;
constexpr int kNoViewerId = 245;
// A catalogue entry's tooltip: its name, then its French and English names.
constexpr int kUnitTypeTipId = 254;
// What undo and redo name each operation ("supprimer %1"), and their commands' texts.
constexpr int kUndoAddId = 255;
constexpr int kUndoDeleteId = 256;
constexpr int kUndoMoveId = 257;
constexpr int kUndoChangeId = 258;
constexpr int kUndoRenameId = 259;
constexpr int kUndoArmyPropertiesId = 260;
constexpr int kUndoTextId = 261;
constexpr int kRedoTextId = 262;
constexpr int kEditMenuId = 263;
constexpr int kUndoId = 264;
constexpr int kRedoId = 265;
// The army's problems, and their panel.
constexpr int kOverBudgetId = 266;
constexpr int kNoWarchiefProblemId = 267;
constexpr int kOtherRaceId = 268;
constexpr int kTooManyMusiciansId = 269;
constexpr int kFiguresOutOfRangeId = 270;
constexpr int kQualityOutOfRangeId = 271;
constexpr int kLeaderWithoutUnitId = 272;
constexpr int kSameNameId = 273;
constexpr int kProblemsPanelId = 274;
constexpr int kNoProblemId = 275;
// The catalogue's search field.
constexpr int kCatalogueFilterId = 276;
constexpr int kCatalogueFilterTipId = 277;
constexpr int kFindCommandId = 278;
// The printed army sheet, and its commands.
constexpr int kSheetPointsId = 279;
constexpr int kSheetRestId = 280;
constexpr int kSheetSubtotalId = 281;
constexpr int kSheetFooterId = 282;
constexpr int kSheetPageId = 283;
constexpr int kSheetLocaleId = 284;
constexpr int kPrintArmyId = 285;
constexpr int kArmyPdfId = 286;
constexpr int kPrintBattleId = 287;
constexpr int kPdfDialogTitleId = 288;
constexpr int kPdfFilterId = 289;
constexpr int kSheetOverId = 290;
// A club server's connection lost, and opened again.
constexpr int kConnectionLostId = 291;
constexpr int kCommitUncertainId = 292;
constexpr int kCannotReconnectId = 293;
constexpr int kReconnectingId = 294;
constexpr int kReconnectedId = 295;
constexpr int kEditNotStoredId = 296;
constexpr int kEditStoredId = 297;
constexpr int kEditNotStoredClosedId = 298;
constexpr int kEditUncertainClosedId = 299;
// Another player's army, on a club's server.
constexpr int kArmyOfAnotherId = 300;
constexpr int kReadOnlyNoteId = 301;
constexpr int kNotOwnerId = 302;
// The budgets an army may have.
constexpr int kBudgetRangeId = 303;
// Taking an army out of a battle, and deleting one that stands in battles.
constexpr int kRemoveArmyId = 304;
constexpr int kDeleteArmyInBattleQuestionId = 305;
constexpr int kDeleteArmyInBattlesQuestionId = 306;
// What skarnholtdb-export says: its usage and its one line of failure.
constexpr int kExportUsageId = 310;
constexpr int kNoSuchArmyId = 311;
constexpr int kNoSuchBattleId = 312;
constexpr int kNoSuchRaceId = 313;
constexpr int kCannotWriteExportId = 314;
constexpr int kCannotOpenDataSourceId = 315;
constexpr int kDataSourceLacksTablesId = 316;
// Sharing an army as a .skarmy file: the commands, their dialogs and the importer's texts.
constexpr int kShareArmyId = 330;
constexpr int kShareArmyPromptId = 331;
constexpr int kImportArmyId = 332;
constexpr int kImportArmyPromptId = 333;
constexpr int kShareDialogTitleId = 334;
constexpr int kImportDialogTitleId = 335;
constexpr int kArmyFileFilterId = 336;
constexpr int kArmyImportedId = 337;
constexpr int kArmyFileRefusedId = 338;
constexpr int kMisfitsQuestionId = 339;
constexpr int kImportProgressId = 340;
constexpr int kImportUsageId = 341;
constexpr int kImportHelpId = 342;
constexpr int kMisfitsRefusedId = 343;
// What is wrong with an army file, said after its name.
constexpr int kFileUnreadableId = 344;
constexpr int kFileTooLargeId = 345;
constexpr int kFileNotUtf8Id = 346;
constexpr int kFileControlByteId = 347;
constexpr int kFileTooDeepId = 348;
constexpr int kFileNotJsonId = 349;
constexpr int kFileOtherFormatId = 350;
constexpr int kFileLaterVersionId = 351;
constexpr int kFileMissingFieldId = 352;
constexpr int kFileUnknownFieldId = 353;
constexpr int kFileWrongIntegerId = 354;
constexpr int kFileWrongTextId = 355;
constexpr int kFileWrongBooleanId = 356;
constexpr int kFileWrongObjectId = 357;
constexpr int kFileWrongListId = 358;
constexpr int kFileTooManyMembersId = 359;
constexpr int kFileWrongRankId = 360;
constexpr int kFileWarchiefFirstId = 361;
constexpr int kFileBadLeaderId = 362;
constexpr int kFileAttachedLeaderId = 363;
constexpr int kFileEmptyNameId = 364;
// What of a shared army this catalogue does not have.
constexpr int kRaceUnknownId = 365;
constexpr int kMemberTypeUnknownId = 366;
constexpr int kMemberTypeRenamedId = 367;
constexpr int kMemberOtherKindId = 368;
constexpr int kMemberNotAttachedId = 369;
constexpr int kMemberFiguresId = 370;
constexpr int kMemberQualityId = 371;
constexpr int kMoreMisfitsId = 372;
constexpr int kWarchiefMisfitId = 373;
constexpr int kArmyNotStoredId = 374;
constexpr int kFileNotRegularId = 375;
// The About box's version and licence, and what --help says of each C++ command.
constexpr int kAboutVersionId = 380;
constexpr int kLicenceNoticeId = 381;
constexpr int kProgramHelpId = 382;
constexpr int kExportHelpId = 383;
// What a screen reader says: the names and descriptions of the controls, and the army as read.
constexpr int kArmyTreeNameId = 400;
constexpr int kArmyTreeDescriptionId = 401;
constexpr int kStatsListNameId = 402;
constexpr int kStatsListDescriptionId = 403;
constexpr int kCatalogueTreeNameId = 404;
constexpr int kCatalogueTreeDescriptionId = 405;
constexpr int kClearSearchId = 406;
constexpr int kHideBarId = 407;
constexpr int kMoreToolsId = 408;
constexpr int kBudgetSpokenId = 409;
constexpr int kProblemListDescriptionId = 410;
constexpr int kFirstLevelNameId = 411; // the levels of Hierarchie 1 to 7, in order
constexpr int kSpokenPointsId = 418;
constexpr int kSpokenCommandPointsId = 419;
constexpr int kSpokenFiguresId = 420;
constexpr int kSpokenCellId = 422;
constexpr int kSpokenEmptyCellId = 423;
constexpr int kSpokenDittoId = 424;
constexpr int kMemberStatsNameId = 425;
constexpr int kUnitTypesNameId = 426;
constexpr int kViewerRaceLabelId = 427;
constexpr int kPreviewPageId = 428;

// A name the player gave (in any script) set into a text shown on screen: isolated, so that a
// right-to-left name never draws the text after it into its own order (FSI … PDI). Exported
// files take names as they are.
inline QString Isolated(const QString& name) {
    return QChar(0x2068) + name + QChar(0x2069);
}

// The text of a string-table id in the language in use: French built in, replaced by the
// English module when it is loaded. An id without a text gives an empty string.
QString LoadResString(int id);

// The built-in French text of an id, whatever language is in use.
QString BuiltInResString(int id);

// Every id of the table, and what a translator is asked for each: the French text and the id.
QList<int> StringTableIds();
QString TranslatedResString(const class QTranslator& translator, int id);
