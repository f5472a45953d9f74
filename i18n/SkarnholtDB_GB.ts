<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="fr_FR">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>À propos de SkarnholtDB</source>
        <translation>About SkarnholtDB</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CArmyListDlg</name>
    <message>
        <source>Liste des armées utilisateur</source>
        <translation>User armies</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CArmyParamsDlg</name>
    <message>
        <source>Paramètres de l&apos;armée</source>
        <translation>Army settings</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Budget</source>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Race</source>
        <translation>Race</translation>
    </message>
    <message>
        <source>Coût</source>
        <translation>Cost</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CArmyViewerDlg</name>
    <message>
        <source>Armée viewer</source>
        <translation>Army viewer</translation>
    </message>
    <message>
        <source>Exporter</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CBattleDlg</name>
    <message>
        <source>Bataille</source>
        <translation>Battle</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Sélectionnez des armées</source>
        <translation>Select armies</translation>
    </message>
    <message>
        <source>Ajouter une armée</source>
        <translation>Add an army</translation>
    </message>
    <message>
        <source>Description de la bataille</source>
        <translation>Battle description</translation>
    </message>
</context>
<context>
    <name>CBattleListDlg</name>
    <message>
        <source>Liste des batailles</source>
        <translation>Battle list</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CCombatUnitDlg</name>
    <message>
        <source>Propriétés d&apos;une unité de combat</source>
        <translation>Combat unit properties</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Figurines</source>
        <translation>Figures</translation>
    </message>
    <message>
        <source>Qualité</source>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Musiciens</source>
        <translation>Musicians</translation>
    </message>
    <message>
        <source>Étendard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Coût total</source>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CControlBarCloseButton</name>
    <message>
        <source>Masquer</source>
        <translation>Hide</translation>
    </message>
</context>
<context>
    <name>CLeaderDlg</name>
    <message>
        <source>Leader propriétés</source>
        <translation>Leader properties</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Points de commandement</source>
        <translation>Command points</translation>
    </message>
    <message>
        <source>Coût total</source>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Skarnholt - SkarnholtDB</source>
        <translation>Skarnholt - SkarnholtDB</translation>
    </message>
    <message>
        <source>Barre des armées</source>
        <translation>Army bar</translation>
    </message>
    <message>
        <source>Propriétés</source>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Sélectionner les races affichées</source>
        <translation>Select the races shown</translation>
    </message>
    <message>
        <source>Barre d&apos;outils</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>À &amp;propos de SkarnholtDB...</source>
        <translation>&amp;About SkarnholtDB...</translation>
    </message>
    <message>
        <source>Afficher des informations sur le programme
À propos de</source>
        <translation>Display program information
About</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Quitter l&apos;application
Quitter</source>
        <translation>Quit the application
Exit</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Barre d&apos;outils</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>Barre d&apos;é&amp;tat</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>MAJ</source>
        <translation>CAP</translation>
    </message>
    <message>
        <source>NUM</source>
        <translation>NUM</translation>
    </message>
    <message>
        <source>DEF</source>
        <translation>SCRL</translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Nouvelle armée ...</source>
        <translation>New army ...</translation>
    </message>
    <message>
        <source>Ouvrir une armée ...</source>
        <translation>Open an army ...</translation>
    </message>
    <message>
        <source>Fermer l&apos;armée</source>
        <translation>Close the army</translation>
    </message>
    <message>
        <source>Propriétés de l&apos;armée ...</source>
        <translation>Army properties ...</translation>
    </message>
    <message>
        <source>Ajouter en chef de guerre</source>
        <translation>Add as warchief</translation>
    </message>
    <message>
        <source>Ajouter en chef de groupe</source>
        <translation>Add as group leader</translation>
    </message>
    <message>
        <source>Ajouter</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Propriétés ...</source>
        <translation>Properties ...</translation>
    </message>
    <message>
        <source>Exporter au format Excel</source>
        <translation>Export to Excel format</translation>
    </message>
    <message>
        <source>Skarnholt army ...</source>
        <translation>Skarnholt army ...</translation>
    </message>
    <message>
        <source>Modifier une bataille ...</source>
        <translation>Edit a battle ...</translation>
    </message>
    <message>
        <source>Ajouter une bataille ...</source>
        <translation>Add a battle ...</translation>
    </message>
    <message>
        <source>Rapport de bataille ...</source>
        <translation>Battle report ...</translation>
    </message>
    <message>
        <source>A&amp;rmée</source>
        <translation>A&amp;rmy</translation>
    </message>
    <message>
        <source>&amp;Batailles</source>
        <translation>&amp;Battles</translation>
    </message>
</context>
<context>
    <name>CRenameUnitDlg</name>
    <message>
        <source>Changer le nom d&apos;une unité</source>
        <translation>Rename a unit</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>CUnitTypePropertiesDlg</name>
    <message>
        <source>Propriétés d&apos;un type d&apos;unité</source>
        <translation>Unit type properties</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CVisibleRacesDlg</name>
    <message>
        <source>Races visibles</source>
        <translation>Visible races</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Aucune</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Toute</source>
        <translation>All</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>SkarnholtDB

Skarnh


SkarnholtDB.Document
Skarnh Document</source>
        <comment>128</comment>
        <translation>SkarnholtDB

Skarnh


SkarnholtDB.Document
Skarnh Document</translation>
    </message>
    <message>
        <source>Max</source>
        <comment>129</comment>
        <translation>Max</translation>
    </message>
    <message>
        <source>Min</source>
        <comment>130</comment>
        <translation>Min</translation>
    </message>
    <message>
        <source>Upg</source>
        <comment>131</comment>
        <translation>Upg</translation>
    </message>
    <message>
        <source>Pts</source>
        <comment>132</comment>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Ecl</source>
        <comment>133</comment>
        <translation>Light</translation>
    </message>
    <message>
        <source>Ter</source>
        <comment>134</comment>
        <translation>Terr</translation>
    </message>
    <message>
        <source>Jp</source>
        <comment>135</comment>
        <translation>Save</translation>
    </message>
    <message>
        <source>Mvt</source>
        <comment>136</comment>
        <translation>Move</translation>
    </message>
    <message>
        <source>Arme</source>
        <comment>137</comment>
        <translation>Weapon</translation>
    </message>
    <message>
        <source>Armure</source>
        <comment>138</comment>
        <translation>Armour</translation>
    </message>
    <message>
        <source>Val</source>
        <comment>139</comment>
        <translation>Val</translation>
    </message>
    <message>
        <source>Res</source>
        <comment>140</comment>
        <translation>Res</translation>
    </message>
    <message>
        <source>For</source>
        <comment>141</comment>
        <translation>Str</translation>
    </message>
    <message>
        <source>Type</source>
        <comment>142</comment>
        <translation>Type</translation>
    </message>
    <message>
        <source>Qua</source>
        <comment>143</comment>
        <translation>Qual</translation>
    </message>
    <message>
        <source>Nom</source>
        <comment>144</comment>
        <translation>Name</translation>
    </message>
    <message>
        <source>Race</source>
        <comment>145</comment>
        <translation>Race</translation>
    </message>
    <message>
        <source>Oui</source>
        <comment>146</comment>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Non</source>
        <comment>147</comment>
        <translation>No</translation>
    </message>
    <message>
        <source>Notes</source>
        <comment>149</comment>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Budget</source>
        <comment>150</comment>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Coût total</source>
        <comment>151</comment>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>Attention supprimer un chef de guerre, revient à supprimer toute l&apos;armée
Voulez-vous continuer ?</source>
        <comment>152</comment>
        <translation>Warning: deleting a warchief deletes the whole army.
Do you want to continue?</translation>
    </message>
    <message>
        <source>Attention supprimer un chef de groupe, revient à supprimer toutes les unités qu&apos;il commande
Voulez-vous continuer ?</source>
        <comment>153</comment>
        <translation>Warning: deleting a group leader deletes every unit under his command.
Do you want to continue?</translation>
    </message>
    <message>
        <source>Impossible de poser un leader sous une unité.</source>
        <comment>154</comment>
        <translation>A leader cannot be placed under a unit.</translation>
    </message>
    <message>
        <source>Vous devez renseigner le nom de votre armée.</source>
        <comment>155</comment>
        <translation>You must give your army a name.</translation>
    </message>
    <message>
        <source>Renseignez un autre budget.</source>
        <comment>156</comment>
        <translation>Enter another budget.</translation>
    </message>
    <message>
        <source>Vous devez sélectionner une race.</source>
        <comment>157</comment>
        <translation>You must select a race.</translation>
    </message>
    <message>
        <source>Il faut renseigner le nom de la bataille.</source>
        <comment>158</comment>
        <translation>The battle needs a name.</translation>
    </message>
    <message>
        <source>Ajouter au moins deux armées dans la liste.</source>
        <comment>159</comment>
        <translation>Add at least two armies to the list.</translation>
    </message>
    <message>
        <source>Cette armée est déjà dans la liste, choisissez-en une autre.</source>
        <comment>160</comment>
        <translation>This army is already in the list, choose another one.</translation>
    </message>
    <message>
        <source>Sélectionnez une armée.</source>
        <comment>161</comment>
        <translation>Select an army.</translation>
    </message>
    <message>
        <source>Sélectionnez une bataille.</source>
        <comment>162</comment>
        <translation>Select a battle.</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir la source de données : Skarnholt, see ODBC.</source>
        <comment>163</comment>
        <translation>Cannot open the data source: Skarnholt, see ODBC.</translation>
    </message>
    <message>
        <source>Vous avez déjà un chef de guerre.</source>
        <comment>164</comment>
        <translation>You already have a warchief.</translation>
    </message>
    <message>
        <source>Vous devez insérer un chef de guerre avant tout.</source>
        <comment>165</comment>
        <translation>You must add a warchief first.</translation>
    </message>
    <message>
        <source>Sélectionnez un leader dans l&apos;arborecscence de votre armée.</source>
        <comment>166</comment>
        <translation>Select a leader in your army&apos;s tree.</translation>
    </message>
    <message>
        <source>Liste des batailles</source>
        <comment>167</comment>
        <translation>Battle list</translation>
    </message>
    <message>
        <source>Cette bataille existe déjà.</source>
        <comment>168</comment>
        <translation>This battle already exists.</translation>
    </message>
    <message>
        <source>Impossible de charger la bataille.</source>
        <comment>169</comment>
        <translation>Cannot load the battle.</translation>
    </message>
    <message>
        <source>Armée</source>
        <comment>170</comment>
        <translation>Army</translation>
    </message>
    <message>
        <source>Budget</source>
        <comment>171</comment>
        <translation>Budget</translation>
    </message>
    <message>
        <source>Coût</source>
        <comment>172</comment>
        <translation>Cost</translation>
    </message>
    <message>
        <source>Race</source>
        <comment>173</comment>
        <translation>Race</translation>
    </message>
    <message>
        <source>Bataille</source>
        <comment>174</comment>
        <translation>Battle</translation>
    </message>
    <message>
        <source>Budget total</source>
        <comment>175</comment>
        <translation>Total budget</translation>
    </message>
    <message>
        <source>Coût total</source>
        <comment>176</comment>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>Bouclier</source>
        <comment>177</comment>
        <translation>Shield</translation>
    </message>
    <message>
        <source>Propriétés</source>
        <comment>178</comment>
        <translation>Properties</translation>
    </message>
    <message>
        <source>Description</source>
        <comment>179</comment>
        <translation>Description</translation>
    </message>
    <message>
        <source>Amazone</source>
        <comment>180</comment>
        <translation>Amazon</translation>
    </message>
    <message>
        <source>Barbare</source>
        <comment>181</comment>
        <translation>Barbarian</translation>
    </message>
    <message>
        <source>Créature</source>
        <comment>182</comment>
        <translation>Creature</translation>
    </message>
    <message>
        <source>Elf noir</source>
        <comment>183</comment>
        <translation>Dark elf</translation>
    </message>
    <message>
        <source>Elf sylvestre</source>
        <comment>184</comment>
        <translation>Wood elf</translation>
    </message>
    <message>
        <source>Géant</source>
        <comment>185</comment>
        <translation>Giant</translation>
    </message>
    <message>
        <source>Goblin</source>
        <comment>186</comment>
        <translation>Goblin</translation>
    </message>
    <message>
        <source>Haut elf</source>
        <comment>187</comment>
        <translation>High elf</translation>
    </message>
    <message>
        <source>Hobgoblin</source>
        <comment>188</comment>
        <translation>Hobgoblin</translation>
    </message>
    <message>
        <source>Humain</source>
        <comment>189</comment>
        <translation>Human</translation>
    </message>
    <message>
        <source>Mort vivant</source>
        <comment>190</comment>
        <translation>Undead</translation>
    </message>
    <message>
        <source>Nain</source>
        <comment>191</comment>
        <translation>Dwarf</translation>
    </message>
    <message>
        <source>Ogre</source>
        <comment>192</comment>
        <translation>Ogre</translation>
    </message>
    <message>
        <source>Orc</source>
        <comment>193</comment>
        <translation>Orc</translation>
    </message>
    <message>
        <source>Summoned</source>
        <comment>194</comment>
        <translation>Summoned</translation>
    </message>
    <message>
        <source>Troll</source>
        <comment>195</comment>
        <translation>Troll</translation>
    </message>
    <message>
        <source>Aucune</source>
        <comment>196</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>Légère</source>
        <comment>197</comment>
        <translation>Light</translation>
    </message>
    <message>
        <source>Moyenne</source>
        <comment>198</comment>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Lourde</source>
        <comment>199</comment>
        <translation>Heavy</translation>
    </message>
    <message>
        <source>Très lourde</source>
        <comment>200</comment>
        <translation>Very heavy</translation>
    </message>
    <message>
        <source>Pauvre</source>
        <comment>201</comment>
        <translation>Poor</translation>
    </message>
    <message>
        <source>Moyen</source>
        <comment>202</comment>
        <translation>Average</translation>
    </message>
    <message>
        <source>Vétérant</source>
        <comment>203</comment>
        <translation>Veteran</translation>
    </message>
    <message>
        <source>Elite</source>
        <comment>204</comment>
        <translation>Elite</translation>
    </message>
    <message>
        <source>Discipliné</source>
        <comment>205</comment>
        <translation>Disciplined</translation>
    </message>
    <message>
        <source>Tribale</source>
        <comment>206</comment>
        <translation>Tribal</translation>
    </message>
    <message>
        <source>Fanatique</source>
        <comment>207</comment>
        <translation>Fanatic</translation>
    </message>
    <message>
        <source>Tribale / Fanatique</source>
        <comment>208</comment>
        <translation>Tribal / Fanatic</translation>
    </message>
    <message>
        <source>Aucun</source>
        <comment>210</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>Jour</source>
        <comment>211</comment>
        <translation>Day</translation>
    </message>
    <message>
        <source>Nuit</source>
        <comment>212</comment>
        <translation>Night</translation>
    </message>
    <message>
        <source>Aucune</source>
        <comment>213</comment>
        <translation>None</translation>
    </message>
    <message>
        <source>1 main</source>
        <comment>214</comment>
        <translation>One-handed</translation>
    </message>
    <message>
        <source>2 mains</source>
        <comment>215</comment>
        <translation>Two-handed</translation>
    </message>
    <message>
        <source>Arbalète</source>
        <comment>216</comment>
        <translation>Crossbow</translation>
    </message>
    <message>
        <source>Arbalète géante</source>
        <comment>217</comment>
        <translation>Giant crossbow</translation>
    </message>
    <message>
        <source>Arc</source>
        <comment>218</comment>
        <translation>Bow</translation>
    </message>
    <message>
        <source>Arc long</source>
        <comment>219</comment>
        <translation>Longbow</translation>
    </message>
    <message>
        <source>Hast</source>
        <comment>220</comment>
        <translation>Polearm</translation>
    </message>
    <message>
        <source>Arquebuse</source>
        <comment>221</comment>
        <translation>Arquebus</translation>
    </message>
    <message>
        <source>Baliste</source>
        <comment>222</comment>
        <translation>Ballista</translation>
    </message>
    <message>
        <source>Canon</source>
        <comment>223</comment>
        <translation>Cannon</translation>
    </message>
    <message>
        <source>Cornes et sabots</source>
        <comment>224</comment>
        <translation>Horns and hooves</translation>
    </message>
    <message>
        <source>Griffes et crocs</source>
        <comment>225</comment>
        <translation>Claws and fangs</translation>
    </message>
    <message>
        <source>Lance</source>
        <comment>226</comment>
        <translation>Spear</translation>
    </message>
    <message>
        <source>Pique</source>
        <comment>227</comment>
        <translation>Pike</translation>
    </message>
    <message>
        <source>Spéciale</source>
        <comment>228</comment>
        <translation>Special</translation>
    </message>
    <message>
        <source>Cette armée est déjà encours de modification.</source>
        <comment>230</comment>
        <translation>This army is already being edited.</translation>
    </message>
    <message>
        <source>Imprévisible</source>
        <comment>231</comment>
        <translation>Unpredictable</translation>
    </message>
    <message>
        <source>Bouclier</source>
        <comment>232</comment>
        <translation>Shield</translation>
    </message>
    <message>
        <source>Mort</source>
        <comment>233</comment>
        <translation>Dead</translation>
    </message>
    <message>
        <source>Hobbit</source>
        <comment>234</comment>
        <translation>Hobbit</translation>
    </message>
    <message>
        <source>Nouvelle armée
Nouvelle armée</source>
        <comment>32772</comment>
        <translation>New army
New army</translation>
    </message>
    <message>
        <source>Ouvrir une armée
Ouvrir une armée</source>
        <comment>32773</comment>
        <translation>Open an army
Open an army</translation>
    </message>
    <message>
        <source>Exporter au format Excel
Exporter au format Excel</source>
        <comment>32776</comment>
        <translation>Export to Excel format
Export to Excel format</translation>
    </message>
    <message>
        <source>Ajouter en chef de guerre
Ajouter en chef de guerre</source>
        <comment>32778</comment>
        <translation>Add as warchief
Add as warchief</translation>
    </message>
    <message>
        <source>Ajouter en chef de groupe
Ajouter en chef de groupe</source>
        <comment>32779</comment>
        <translation>Add as group leader
Add as group leader</translation>
    </message>
    <message>
        <source>Propriétés
Propriétés</source>
        <comment>32781</comment>
        <translation>Properties
Properties</translation>
    </message>
    <message>
        <source>Ajouter
Ajouter</source>
        <comment>32782</comment>
        <translation>Add
Add</translation>
    </message>
    <message>
        <source>Sélectionner les races affichées
Sélectionner les races affichées</source>
        <comment>32790</comment>
        <translation>Select the races shown
Select the races shown</translation>
    </message>
    <message>
        <source>SkarnholtDB</source>
        <comment>57344</comment>
        <translation>SkarnholtDB</translation>
    </message>
    <message>
        <source>Un nom ne peut pas dépasser 255 caractères.</source>
        <comment>235</comment>
        <translation>A name cannot be longer than 255 characters.</translation>
    </message>
    <message>
        <source>Une armée porte déjà ce nom, choisissez-en un autre.</source>
        <comment>236</comment>
        <translation>An army already has this name, choose another one.</translation>
    </message>
    <message>
        <source>Impossible d&apos;écrire le fichier %1.</source>
        <comment>237</comment>
        <translation>Cannot write the file %1.</translation>
    </message>
    <message>
        <source>Une description ne peut pas dépasser 255 caractères.</source>
        <comment>238</comment>
        <translation>A description cannot be longer than 255 characters.</translation>
    </message>
    <message>
        <source>Entrez un nombre entier.</source>
        <comment>239</comment>
        <translation>Enter a whole number.</translation>
    </message>
    <message>
        <source>Supprimer définitivement l&apos;armée « %1 » et ses membres (%2) ?</source>
        <comment>240</comment>
        <translation>Delete the army “%1” and its members (%2) for good?</translation>
    </message>
    <message>
        <source>Cette armée est ouverte dans l&apos;éditeur : fermez-la avant de la supprimer.</source>
        <comment>241</comment>
        <translation>This army is open in the editor: close it before deleting it.</translation>
    </message>
    <message>
        <source>Cette armée vient d&apos;être modifiée par un autre programme : elle est relue telle qu&apos;elle est enregistrée et votre dernière modification n&apos;a pas été faite.</source>
        <comment>243</comment>
        <translation>This army has just been changed by another program: it is read again as it is stored, and your last change was not made.</translation>
    </message>
    <message>
        <source>Fichier écrit : %1</source>
        <comment>244</comment>
        <translation>File written: %1</translation>
    </message>
    <message>
        <source>Aucun programme n&apos;a pu afficher le fichier ; il est enregistré ici :
%1</source>
        <comment>245</comment>
        <translation>No program could show the file; it is saved here:
%1</translation>
    </message>
    <message>
        <source>Qualité</source>
        <comment>246</comment>
        <translation>Quality</translation>
    </message>
    <message>
        <source>Force</source>
        <comment>247</comment>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Résistance</source>
        <comment>248</comment>
        <translation>Resistance</translation>
    </message>
    <message>
        <source>Valeur</source>
        <comment>249</comment>
        <translation>Valour</translation>
    </message>
    <message>
        <source>Jet de protection</source>
        <comment>250</comment>
        <translation>Save roll</translation>
    </message>
    <message>
        <source>Terrible</source>
        <comment>251</comment>
        <translation>Terror</translation>
    </message>
    <message>
        <source>Éclairage</source>
        <comment>252</comment>
        <translation>Lighting</translation>
    </message>
    <message>
        <source>Mouvement (cm)</source>
        <comment>253</comment>
        <translation>Movement (cm)</translation>
    </message>
    <message>
        <source>%1
Français : %2
Anglais : %3</source>
        <comment>254</comment>
        <translation>%1
French: %2
English: %3</translation>
    </message>
    <message>
        <source>La source de données « Skarnholt » ne contient pas les tables du programme (%1).
Préparez-la avec la commande skarnholtdb-setup-datasource (ou, dans les sources, le script scripts/setup-datasource.sh), puis relancez SkarnholtDB.</source>
        <comment>242</comment>
        <translation>The data source “Skarnholt” lacks the tables of the program (%1).
Set it up with the command skarnholtdb-setup-datasource (or, in the sources, the script scripts/setup-datasource.sh), then start SkarnholtDB again.</translation>
    </message>
    <message>
        <source>ajouter %1</source>
        <comment>255</comment>
        <translation>add %1</translation>
    </message>
    <message>
        <source>supprimer %1</source>
        <comment>256</comment>
        <translation>delete %1</translation>
    </message>
    <message>
        <source>déplacer %1</source>
        <comment>257</comment>
        <translation>move %1</translation>
    </message>
    <message>
        <source>modifier %1</source>
        <comment>258</comment>
        <translation>change %1</translation>
    </message>
    <message>
        <source>renommer %1</source>
        <comment>259</comment>
        <translation>rename %1</translation>
    </message>
    <message>
        <source>modifier les paramètres de l&apos;armée</source>
        <comment>260</comment>
        <translation>change the army&apos;s settings</translation>
    </message>
    <message>
        <source>Annuler : %1</source>
        <comment>261</comment>
        <translation>Undo: %1</translation>
    </message>
    <message>
        <source>Rétablir : %1</source>
        <comment>262</comment>
        <translation>Redo: %1</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <comment>263</comment>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Annuler</source>
        <comment>264</comment>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <comment>265</comment>
        <translation>Redo</translation>
    </message>
    <message>
        <source>L&apos;armée dépasse son budget de %1 points.</source>
        <comment>266</comment>
        <translation>The army is %1 points over its budget.</translation>
    </message>
    <message>
        <source>L&apos;armée n&apos;a pas de chef de guerre.</source>
        <comment>267</comment>
        <translation>The army has no warchief.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas de la race de l&apos;armée (%2).</source>
        <comment>268</comment>
        <translation>%1 is not of the army&apos;s race (%2).</translation>
    </message>
    <message>
        <source>%1 a %2 musiciens pour %3 figurines : il en faut moins que de figurines.</source>
        <comment>269</comment>
        <translation>%1 has %2 musicians for %3 figures: there must be fewer musicians than figures.</translation>
    </message>
    <message>
        <source>%1 a %2 figurines ; son type en permet de %3 à %4.</source>
        <comment>270</comment>
        <translation>%1 has %2 figures; its type allows %3 to %4.</translation>
    </message>
    <message>
        <source>%1 est de qualité %2 ; son type permet de %3 à %4.</source>
        <comment>271</comment>
        <translation>%1 is of quality %2; its type allows %3 to %4.</translation>
    </message>
    <message>
        <source>Le chef de groupe %1 ne commande aucune unité.</source>
        <comment>272</comment>
        <translation>Group leader %1 commands no unit.</translation>
    </message>
    <message>
        <source>%1 membres s&apos;appellent « %2 ».</source>
        <comment>273</comment>
        <translation>%1 members are called “%2”.</translation>
    </message>
    <message>
        <source>&amp;Problèmes de l&apos;armée</source>
        <comment>274</comment>
        <translation>Army &amp;problems</translation>
    </message>
    <message>
        <source>Aucun problème.</source>
        <comment>275</comment>
        <translation>No problem.</translation>
    </message>
    <message>
        <source>Afficher ou masquer les problèmes de l&apos;armée
Problèmes de l&apos;armée</source>
        <comment>32791</comment>
        <translation>Show or hide the problems of the army
Army problems</translation>
    </message>
    <message>
        <source>Annuler la dernière modification
Annuler</source>
        <comment>57643</comment>
        <translation>Undo the last change
Undo</translation>
    </message>
    <message>
        <source>Rétablir la modification annulée
Rétablir</source>
        <comment>57644</comment>
        <translation>Redo the change undone
Redo</translation>
    </message>
    <message>
        <source>Rechercher un type d&apos;unité</source>
        <comment>276</comment>
        <translation>Find a unit type</translation>
    </message>
    <message>
        <source>Une partie du nom français ou anglais, sans souci des majuscules ni des accents (Ctrl+F ; Échap efface)</source>
        <comment>277</comment>
        <translation>Part of the French or English name, case and accents aside (Ctrl+F; Esc clears)</translation>
    </message>
    <message>
        <source>&amp;Rechercher un type d&apos;unité</source>
        <comment>278</comment>
        <translation>&amp;Find a unit type</translation>
    </message>
    <message>
        <source>Rechercher un type d&apos;unité dans le catalogue
Rechercher</source>
        <comment>57636</comment>
        <translation>Find a unit type in the catalogue
Find</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <comment>279</comment>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>Reste</source>
        <comment>280</comment>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Sous-total de %1 : %2</source>
        <comment>281</comment>
        <translation>Subtotal of %1: %2</translation>
    </message>
    <message>
        <source>SkarnholtDB, imprimé le %1</source>
        <comment>282</comment>
        <translation>SkarnholtDB, printed on %1</translation>
    </message>
    <message>
        <source>Page %1 sur %2</source>
        <comment>283</comment>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>fr_FR</source>
        <comment>284</comment>
        <translation>en_GB</translation>
    </message>
    <message>
        <source>&amp;Imprimer l&apos;armée…</source>
        <comment>285</comment>
        <translation>&amp;Print the army…</translation>
    </message>
    <message>
        <source>Exporter en P&amp;DF…</source>
        <comment>286</comment>
        <translation>Export as P&amp;DF…</translation>
    </message>
    <message>
        <source>Im&amp;primer le rapport de bataille…</source>
        <comment>287</comment>
        <translation>&amp;Print the battle report…</translation>
    </message>
    <message>
        <source>Exporter l&apos;armée en PDF</source>
        <comment>288</comment>
        <translation>Export the army as PDF</translation>
    </message>
    <message>
        <source>Documents PDF (*.pdf)</source>
        <comment>289</comment>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Imprimer la feuille d&apos;armée, après un aperçu
Imprimer l&apos;armée</source>
        <comment>32792</comment>
        <translation>Print the army sheet, after a preview
Print the army</translation>
    </message>
    <message>
        <source>Enregistrer la feuille d&apos;armée en PDF
Exporter en PDF</source>
        <comment>32793</comment>
        <translation>Save the army sheet as PDF
Export as PDF</translation>
    </message>
    <message>
        <source>Imprimer les feuilles des armées d&apos;une bataille
Imprimer le rapport de bataille</source>
        <comment>32794</comment>
        <translation>Print the sheets of a battle&apos;s armies
Print the battle report</translation>
    </message>
    <message>
        <source>Dépassement</source>
        <comment>290</comment>
        <translation>Over</translation>
    </message>
    <message>
        <source>La connexion au serveur a été perdue : rien de ce qui était en cours n&apos;a été enregistré. Elle sera rouverte à la prochaine action.

%1</source>
        <comment>291</comment>
        <translation>The connection to the server was lost: nothing of what was under way was saved. It will be opened again at the next action.

%1</translation>
    </message>
    <message>
        <source>La connexion au serveur a été perdue pendant l&apos;enregistrement : il a pu être fait ou non. Elle sera rouverte à la prochaine action ; la liste relue montrera ce qui est enregistré.

%1</source>
        <comment>292</comment>
        <translation>The connection to the server was lost while saving: it may or may not have been done. It will be opened again at the next action; the list read again will show what is saved.

%1</translation>
    </message>
    <message>
        <source>Le serveur ne répond plus : rien n&apos;a été lu ni enregistré. Réessayez plus tard.

%1</source>
        <comment>293</comment>
        <translation>The server no longer answers: nothing was read or saved. Try again later.

%1</translation>
    </message>
    <message>
        <source>Connexion au serveur perdue : nouvel essai (%1 sur %2)…</source>
        <comment>294</comment>
        <translation>Connection to the server lost: trying again (%1 of %2)…</translation>
    </message>
    <message>
        <source>Connexion au serveur rétablie.</source>
        <comment>295</comment>
        <translation>Connection to the server restored.</translation>
    </message>
    <message>
        <source>La connexion au serveur a été perdue pendant votre modification, qui n&apos;a pas été enregistrée. La connexion est rétablie et l&apos;armée relue telle qu&apos;elle est enregistrée.</source>
        <comment>296</comment>
        <translation>The connection to the server was lost during your change, which was not saved. The connection is restored and the army read again as it is saved.</translation>
    </message>
    <message>
        <source>La connexion au serveur a été perdue à la fin de votre modification, qui a bien été enregistrée. La connexion est rétablie et l&apos;armée relue telle qu&apos;elle est enregistrée.</source>
        <comment>297</comment>
        <translation>The connection to the server was lost at the end of your change, which was saved. The connection is restored and the army read again as it is saved.</translation>
    </message>
    <message>
        <source>La connexion au serveur a été perdue pendant votre modification, qui n&apos;a pas été enregistrée, et le serveur ne répond plus : l&apos;armée est fermée. Rouvrez-la quand il répondra.</source>
        <comment>298</comment>
        <translation>The connection to the server was lost during your change, which was not saved, and the server no longer answers: the army is closed. Open it again when the server answers.</translation>
    </message>
    <message>
        <source>La connexion au serveur a été perdue à la fin de votre modification et le serveur ne répond plus : l&apos;armée est fermée. Rouvrez-la quand il répondra pour savoir si la modification a été enregistrée.</source>
        <comment>299</comment>
        <translation>The connection to the server was lost at the end of your change and the server no longer answers: the army is closed. Open it again when the server answers to see whether the change was saved.</translation>
    </message>
    <message>
        <source>Cette armée appartient à %1 : vous pouvez la voir, l&apos;imprimer, l&apos;exporter et la mettre dans une bataille, mais pas la modifier. Elle est relue telle qu&apos;elle est enregistrée.</source>
        <comment>300</comment>
        <translation>This army belongs to %1: you may view, print and export it and put it in a battle, but not change it. It is read again as it is saved.</translation>
    </message>
    <message>
        <source>Armée de %1 — lecture seule</source>
        <comment>301</comment>
        <translation>%1&apos;s army — read-only</translation>
    </message>
    <message>
        <source>Le serveur a refusé : seul le joueur qui l&apos;a créée, ou un administrateur du club, peut modifier ou supprimer cette armée ou cette bataille. Rien n&apos;a été changé.</source>
        <comment>302</comment>
        <translation>The server refused: only the player who made it, or an administrator of the club, may change or delete this army or this battle. Nothing was changed.</translation>
    </message>
    <message>
        <source>aucune armée « %1 »</source>
        <comment>311</comment>
        <translation>no army %1</translation>
    </message>
    <message>
        <source>aucune bataille « %1 »</source>
        <comment>312</comment>
        <translation>no battle %1</translation>
    </message>
    <message>
        <source>aucune race « %1 »</source>
        <comment>313</comment>
        <translation>no race %1</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire %1</source>
        <comment>314</comment>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>impossible d&apos;ouvrir la source de données « %1 » : %2</source>
        <comment>315</comment>
        <translation>cannot open the data source &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>la source de données « %1 » ne contient pas les tables %2</source>
        <comment>316</comment>
        <translation>the data source &quot;%1&quot; lacks the tables %2</translation>
    </message>
    <message>
        <source>Entrez un nombre entier entre %1 et %2.</source>
        <comment>303</comment>
        <translation>Enter a whole number between %1 and %2.</translation>
    </message>
    <message>
        <source>&amp;Retirer l&apos;armée</source>
        <comment>304</comment>
        <translation>&amp;Remove the army</translation>
    </message>
    <message>
        <source>Supprimer définitivement l&apos;armée « %1 » et ses membres (%2) ?
Elle sera aussi retirée de la bataille « %3 ».</source>
        <comment>305</comment>
        <translation>Delete the army “%1” and its members (%2) for good?
It will also be taken out of the battle “%3”.</translation>
    </message>
    <message>
        <source>Supprimer définitivement l&apos;armée « %1 » et ses membres (%2) ?
Elle sera aussi retirée de ces %3 batailles :
%4</source>
        <comment>306</comment>
        <translation>Delete the army “%1” and its members (%2) for good?
It will also be taken out of these %3 battles:
%4</translation>
    </message>
    <message>
        <source>SkarnholtDB version %1</source>
        <comment>380</comment>
        <translation>SkarnholtDB version %1</translation>
    </message>
    <message>
        <source>Copyright © 2026 les développeurs de SkarnholtDB.
Licence GPL-3.0-or-later : GNU GPL version 3 ou ultérieure.
Ce logiciel est libre : vous pouvez le modifier et le redistribuer.
Il est fourni SANS AUCUNE GARANTIE, dans les limites permises par la loi.</source>
        <comment>381</comment>
        <translation>Copyright © 2026 The SkarnholtDB developers.
Licence GPL-3.0-or-later: GNU GPL version 3 or later.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</translation>
    </message>
    <message>
        <source>utilisation : skarnholtdb [--help | --version]
Lance SkarnholtDB, l&apos;éditeur de listes d&apos;armées de Skarnholt, sur la source de
données ODBC « Skarnholt ». Les exports sont écrits dans le dossier courant ;
skarnholtdb-start lance le programme dans le dossier des documents.
  --help     affiche cette aide
  --version  affiche la version
Voir aussi : man skarnholtdb</source>
        <comment>382</comment>
        <translation>usage: skarnholtdb [--help | --version]
Starts SkarnholtDB, the army-list builder for Skarnholt, on the ODBC data source
&quot;Skarnholt&quot;. Exports are written into the current directory; skarnholtdb-start
starts the program in the documents folder.
  --help     shows this help
  --version  shows the version
See also: man skarnholtdb</translation>
    </message>
    <message>
        <source>Hiérarchie de l&apos;armée</source>
        <comment>400</comment>
        <translation>Army hierarchy</translation>
    </message>
    <message>
        <source>Le chef de guerre, ses chefs de groupe et leurs unités. Entrée : propriétés ; Suppr : supprimer ; Maj+F10 : menu.</source>
        <comment>401</comment>
        <translation>The warchief, his group leaders and their units. Enter: properties; Delete: delete; Shift+F10: menu.</translation>
    </message>
    <message>
        <source>Statistiques des membres</source>
        <comment>402</comment>
        <translation>Members&apos; statistics</translation>
    </message>
    <message>
        <source>Une ligne par membre, unités attachées comprises. Entrée : propriétés.</source>
        <comment>403</comment>
        <translation>One row per member, attached units included. Enter: properties.</translation>
    </message>
    <message>
        <source>Catalogue des types d&apos;unités</source>
        <comment>404</comment>
        <translation>Unit type catalogue</translation>
    </message>
    <message>
        <source>Les types d&apos;unités par race. Maj+F10 : ajouter à l&apos;armée ou propriétés.</source>
        <comment>405</comment>
        <translation>Unit types by race. Shift+F10: add to the army, or properties.</translation>
    </message>
    <message>
        <source>Effacer la recherche</source>
        <comment>406</comment>
        <translation>Clear the search</translation>
    </message>
    <message>
        <source>Masquer la barre</source>
        <comment>407</comment>
        <translation>Hide the bar</translation>
    </message>
    <message>
        <source>Autres outils</source>
        <comment>408</comment>
        <translation>More tools</translation>
    </message>
    <message>
        <source>Budget %1, coût %2, reste %3</source>
        <comment>409</comment>
        <translation>Budget %1, cost %2, rest %3</translation>
    </message>
    <message>
        <source>Entrée ou double-clic sur une ligne : sélectionner son membre.</source>
        <comment>410</comment>
        <translation>Enter or double-click on a line: select its member.</translation>
    </message>
    <message>
        <source>chef de guerre</source>
        <comment>411</comment>
        <translation>warchief</translation>
    </message>
    <message>
        <source>chef de groupe</source>
        <comment>412</comment>
        <translation>group leader</translation>
    </message>
    <message>
        <source>unité de combat</source>
        <comment>413</comment>
        <translation>combat unit</translation>
    </message>
    <message>
        <source>personnage</source>
        <comment>414</comment>
        <translation>individual</translation>
    </message>
    <message>
        <source>non compté</source>
        <comment>415</comment>
        <translation>uncounted</translation>
    </message>
    <message>
        <source>servants</source>
        <comment>416</comment>
        <translation>crew</translation>
    </message>
    <message>
        <source>machine</source>
        <comment>417</comment>
        <translation>machine</translation>
    </message>
    <message>
        <source>%1 pts</source>
        <comment>418</comment>
        <translation>%1 pts</translation>
    </message>
    <message>
        <source>%1 points de commandement</source>
        <comment>419</comment>
        <translation>%1 command points</translation>
    </message>
    <message>
        <source>%1 figurines</source>
        <comment>420</comment>
        <translation>%1 figures</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <comment>422</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>néant</source>
        <comment>423</comment>
        <translation>none</translation>
    </message>
    <message>
        <source>idem</source>
        <comment>424</comment>
        <translation>ditto</translation>
    </message>
    <message>
        <source>Statistiques du membre</source>
        <comment>425</comment>
        <translation>The member&apos;s statistics</translation>
    </message>
    <message>
        <source>Types d&apos;unités</source>
        <comment>426</comment>
        <translation>Unit types</translation>
    </message>
    <message>
        <source>&amp;Race :</source>
        <comment>427</comment>
        <translation>&amp;Race:</translation>
    </message>
    <message>
        <source>Numéro de page</source>
        <comment>428</comment>
        <translation>Page number</translation>
    </message>
    <message>
        <source>utilisation : skarnholtdb-export [--output DOSSIER] army NOM|NUMÉRO [--format json] | battle NOM|NUMÉRO | catalogue [RACE]</source>
        <comment>310</comment>
        <translation>usage: skarnholtdb-export [--output DIR] army NAME|ID [--format json] | battle NAME|ID | catalogue [RACE]</translation>
    </message>
    <message>
        <source>&amp;Partager l&apos;armée…</source>
        <comment>330</comment>
        <translation>&amp;Share the army…</translation>
    </message>
    <message>
        <source>Enregistrer l&apos;armée dans un fichier .skarmy à envoyer à un autre joueur
Partager l&apos;armée</source>
        <comment>331</comment>
        <translation>Save the army in a .skarmy file to send to another player
Share the army</translation>
    </message>
    <message>
        <source>I&amp;mporter une armée…</source>
        <comment>332</comment>
        <translation>I&amp;mport an army…</translation>
    </message>
    <message>
        <source>Ajouter aux armées celle d&apos;un fichier .skarmy, puis l&apos;ouvrir
Importer une armée</source>
        <comment>333</comment>
        <translation>Add the army of a .skarmy file to the armies, then open it
Import an army</translation>
    </message>
    <message>
        <source>Partager l&apos;armée</source>
        <comment>334</comment>
        <translation>Share the army</translation>
    </message>
    <message>
        <source>Importer une armée</source>
        <comment>335</comment>
        <translation>Import an army</translation>
    </message>
    <message>
        <source>Armées SkarnholtDB (*.skarmy)</source>
        <comment>336</comment>
        <translation>SkarnholtDB armies (*.skarmy)</translation>
    </message>
    <message>
        <source>Armée « %1 » importée de %2</source>
        <comment>337</comment>
        <translation>Army &quot;%1&quot; imported from %2</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;a pas été importé : %2
Rien n&apos;a été enregistré.</source>
        <comment>338</comment>
        <translation>The file %1 was not imported: %2
Nothing was stored.</translation>
    </message>
    <message>
        <source>Importation de %1…</source>
        <comment>340</comment>
        <translation>Importing %1…</translation>
    </message>
    <message>
        <source>utilisation : skarnholtdb-import [--skip-unknown] FICHIER.skarmy...</source>
        <comment>341</comment>
        <translation>usage: skarnholtdb-import [--skip-unknown] FILE.skarmy...</translation>
    </message>
    <message>
        <source>des membres ne correspondent pas au catalogue (--skip-unknown les laisse de côté) : %1</source>
        <comment>343</comment>
        <translation>some members do not match the catalogue (--skip-unknown leaves them out): %1</translation>
    </message>
    <message>
        <source>il ne peut pas être lu (%1).</source>
        <comment>344</comment>
        <translation>it cannot be read (%1).</translation>
    </message>
    <message>
        <source>il dépasse %1 Mio, la taille la plus grande d&apos;un fichier d&apos;armée.</source>
        <comment>345</comment>
        <translation>it is larger than %1 MiB, the largest an army file may be.</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du texte UTF-8 valide (octet %1).</source>
        <comment>346</comment>
        <translation>it is not valid UTF-8 text (byte %1).</translation>
    </message>
    <message>
        <source>ses données sont imbriquées sur plus de %1 niveaux (octet %2).</source>
        <comment>348</comment>
        <translation>its data are nested more than %1 levels deep (byte %2).</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du JSON : %1 (octet %2).</source>
        <comment>349</comment>
        <translation>it is not JSON: %1 (byte %2).</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier d&apos;armée de SkarnholtDB.</source>
        <comment>350</comment>
        <translation>it is not a SkarnholtDB army file.</translation>
    </message>
    <message>
        <source>il est au format %1, d&apos;une version plus récente de SkarnholtDB ; celle-ci lit le format %2.</source>
        <comment>351</comment>
        <translation>it is in format %1, from a later version of SkarnholtDB; this one reads format %2.</translation>
    </message>
    <message>
        <source>%1 manque.</source>
        <comment>352</comment>
        <translation>%1 is missing.</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un champ du format.</source>
        <comment>353</comment>
        <translation>%1 is no field of the format.</translation>
    </message>
    <message>
        <source>%1 doit être un nombre entier de %2 à %3.</source>
        <comment>354</comment>
        <translation>%1 must be a whole number from %2 to %3.</translation>
    </message>
    <message>
        <source>%1 doit être un texte d&apos;au plus %2 caractères, sans caractère de contrôle.</source>
        <comment>355</comment>
        <translation>%1 must be a text of at most %2 characters, without control characters.</translation>
    </message>
    <message>
        <source>%1 doit être true ou false.</source>
        <comment>356</comment>
        <translation>%1 must be true or false.</translation>
    </message>
    <message>
        <source>%1 doit être un objet { … }.</source>
        <comment>357</comment>
        <translation>%1 must be an object { … }.</translation>
    </message>
    <message>
        <source>%1 doit être une liste [ … ].</source>
        <comment>358</comment>
        <translation>%1 must be a list [ … ].</translation>
    </message>
    <message>
        <source>il compte %1 membres ; un fichier d&apos;armée en a au plus %2.</source>
        <comment>359</comment>
        <translation>it holds %1 members; an army file holds at most %2.</translation>
    </message>
    <message>
        <source>%1 : « %2 » n&apos;est pas un rang (%3).</source>
        <comment>360</comment>
        <translation>%1: &quot;%2&quot; is no rank (%3).</translation>
    </message>
    <message>
        <source>%1 : le chef de guerre (warchief) est le premier membre, et lui seul.</source>
        <comment>361</comment>
        <translation>%1: the warchief is the first member, and the only one.</translation>
    </message>
    <message>
        <source>%1 : son chef (leader %2) doit être un chef de guerre ou de groupe placé avant lui, et celui d&apos;un chef de groupe le chef de guerre (0).</source>
        <comment>362</comment>
        <translation>%1: its leader (leader %2) must be a warchief or group leader standing before it, and a group leader&apos;s the warchief (0).</translation>
    </message>
    <message>
        <source>%1 : un membre rattaché ne peut pas être un chef.</source>
        <comment>363</comment>
        <translation>%1: an attached member cannot be a leader.</translation>
    </message>
    <message>
        <source>%1 : le nom de l&apos;armée est vide.</source>
        <comment>364</comment>
        <translation>%1: the army&apos;s name is empty.</translation>
    </message>
    <message>
        <source>sa race %1 (« %2 ») n&apos;est pas dans le catalogue de ce programme.</source>
        <comment>365</comment>
        <translation>its race %1 (&quot;%2&quot;) is not in this program&apos;s catalogue.</translation>
    </message>
    <message>
        <source>membre %1 « %2 » : le type %3 « %4 » n&apos;est pas dans ce catalogue</source>
        <comment>366</comment>
        <translation>member %1 &quot;%2&quot;: the type %3 &quot;%4&quot; is not in this catalogue</translation>
    </message>
    <message>
        <source>membre %1 « %2 » : le type %3 s&apos;appelle « %4 » dans ce catalogue, et non « %5 »</source>
        <comment>367</comment>
        <translation>member %1 &quot;%2&quot;: the type %3 is called &quot;%4&quot; in this catalogue, not &quot;%5&quot;</translation>
    </message>
    <message>
        <source>membre %1 « %2 » : le type %3 « %4 » n&apos;est pas de cette sorte dans ce catalogue</source>
        <comment>368</comment>
        <translation>member %1 &quot;%2&quot;: the type %3 &quot;%4&quot; is of another kind in this catalogue</translation>
    </message>
    <message>
        <source>membre %1 « %2 » : le type %3 « %4 » ne s&apos;ajoute pas avec « %5 » dans ce catalogue</source>
        <comment>369</comment>
        <translation>member %1 &quot;%2&quot;: the type %3 &quot;%4&quot; is not added with &quot;%5&quot; in this catalogue</translation>
    </message>
    <message>
        <source>membre %1 « %2 » : %3 figurines, hors des limites du type (%4 à %5)</source>
        <comment>370</comment>
        <translation>member %1 &quot;%2&quot;: %3 figures, outside the type&apos;s range (%4 to %5)</translation>
    </message>
    <message>
        <source>membre %1 « %2 » : qualité %3, hors des limites du type (%4 à %5)</source>
        <comment>371</comment>
        <translation>member %1 &quot;%2&quot;: quality %3, outside the type&apos;s range (%4 to %5)</translation>
    </message>
    <message>
        <source>… et %1 autres</source>
        <comment>372</comment>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>son chef de guerre ne correspond pas au catalogue de ce programme, et sans lui il ne resterait rien de l&apos;armée :
%1</source>
        <comment>373</comment>
        <translation>its warchief does not match this program&apos;s catalogue, and without him nothing of the army would be left:
%1</translation>
    </message>
    <message>
        <source>l&apos;armée n&apos;a pas pu être enregistrée : %1</source>
        <comment>374</comment>
        <translation>the army could not be stored: %1</translation>
    </message>
    <message>
        <source>Ces membres de l&apos;armée du fichier %1 ne correspondent pas au catalogue de ce programme :
%2

Importer l&apos;armée sans eux ? En tout, %3 membres sur %4 seront laissés de côté : chacun avec sa monture ou ses servants et, pour un chef, ceux qu&apos;il commande.</source>
        <comment>339</comment>
        <translation>These members of the army in the file %1 do not match this program&apos;s catalogue:
%2

Import the army without them? In all, %3 of its %4 members will be left out: each with its mount or crew and, for a leader, the members he commands.</translation>
    </message>
    <message>
        <source>il contient un caractère de contrôle que JSON n&apos;admet pas (octet %1).</source>
        <comment>347</comment>
        <translation>it holds a control character that JSON does not allow (byte %1).</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (un dossier, un périphérique ou un tube).</source>
        <comment>375</comment>
        <translation>it is no plain file (a folder, a device or a pipe).</translation>
    </message>
    <message>
        <source>Ajoute aux armées de la source de données « Skarnholt » celles des fichiers .skarmy donnés, chacune en une transaction, sous son nom ou, s&apos;il est pris, sous « nom (2) ».
Affiche le nom de chaque armée importée.

  --skip-unknown  importe une armée sans les membres que le catalogue n&apos;a pas (sinon le fichier est refusé)
  --help          affiche cette aide
  --version       affiche la version

État de sortie : 0 tout importé, 1 mauvaise utilisation, 2 un fichier illisible ou refusé, 3 la source de données illisible, 4 une armée que la source de données n&apos;a pas enregistrée.
Voir aussi : man skarnholtdb-import</source>
        <comment>342</comment>
        <translation>Adds to the armies of the data source &quot;Skarnholt&quot; those of the .skarmy files given, each in one transaction, under its name or, when that is taken, &quot;name (2)&quot;.
Prints the name of each army imported.

  --skip-unknown  imports an army without the members the catalogue lacks (else the file is refused)
  --help          shows this help
  --version       shows the version

Exit status: 0 all imported, 1 wrong usage, 2 a file unreadable or refused, 3 the data source unreadable, 4 an army the data source did not store.
See also: man skarnholtdb-import</translation>
    </message>
    <message>
        <source>Écrit une armée, une bataille ou le catalogue dans un fichier texte, comme les
exports du programme, depuis la source de données « Skarnholt », et affiche le
chemin du fichier.
  --output DOSSIER  écrit dans DOSSIER plutôt que dans le dossier courant
  --format json     écrit l&apos;armée en fichier .skarmy à partager (texte sinon)
  --help            affiche cette aide
  --version         affiche la version
Statut : 0 fichier écrit, 1 mauvaise utilisation, 2 armée, bataille ou race
introuvable, 3 source de données illisible, 4 fichier impossible à écrire.
Voir aussi : man skarnholtdb-export</source>
        <comment>383</comment>
        <translation>Writes an army, a battle or the catalogue to a text file, as the program&apos;s
exports do, from the data source &quot;Skarnholt&quot;, and prints the file&apos;s path.
  --output DIR  writes into DIR rather than the current directory
  --format json writes the army as a .skarmy file to share (text otherwise)
  --help        shows this help
  --version     shows the version
Status: 0 file written, 1 wrong usage, 2 no such army, battle or race,
3 data source unreadable, 4 file cannot be written.
See also: man skarnholtdb-export</translation>
    </message>
</context>
</TS>
