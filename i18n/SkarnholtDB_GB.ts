<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>CControlBarCloseButton</name>
    <message>
        <location filename="../src/controlbar/CControlBarCloseButton.cpp" line="22"/>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <location filename="../src/app/StringTable.cpp" line="22"/>
        <source>SkarnholtDB

Skarnh


SkarnholtDB.Document
Skarnh Document</source>
        <comment>128</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="24"/>
        <source>Max</source>
        <comment>129</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="25"/>
        <source>Min</source>
        <comment>130</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="26"/>
        <source>Upg</source>
        <comment>131</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="27"/>
        <source>Pts</source>
        <comment>132</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="28"/>
        <source>Ecl</source>
        <comment>133</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="29"/>
        <source>Ter</source>
        <comment>134</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="30"/>
        <source>Jp</source>
        <comment>135</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="31"/>
        <source>Mvt</source>
        <comment>136</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="32"/>
        <source>Arme</source>
        <comment>137</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="33"/>
        <source>Armure</source>
        <comment>138</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="34"/>
        <source>Val</source>
        <comment>139</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="35"/>
        <source>Res</source>
        <comment>140</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="36"/>
        <source>For</source>
        <comment>141</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="37"/>
        <source>Type</source>
        <comment>142</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="38"/>
        <source>Qua</source>
        <comment>143</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="39"/>
        <source>Nom</source>
        <comment>144</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="40"/>
        <source>Race</source>
        <comment>145</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="41"/>
        <source>Oui</source>
        <comment>146</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="42"/>
        <source>Non</source>
        <comment>147</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="43"/>
        <source>Notes</source>
        <comment>149</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="44"/>
        <source>Budget</source>
        <comment>150</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="45"/>
        <source>Coût total</source>
        <comment>151</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="46"/>
        <source>Attention supprimer un chef de guerre, revient à supprimer toute l&apos;armée
Voulez vous continuez ?</source>
        <comment>152</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="50"/>
        <source>Attention supprimer un chef de groupe, revient à supprimer toutes les unités qu&apos;il commande
Voulez vous continuez ?</source>
        <comment>153</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="55"/>
        <source>Impossible de poser un leader sous une unité.</source>
        <comment>154</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="56"/>
        <source>Vous devez renseigner le nom de votre armée.</source>
        <comment>155</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="57"/>
        <source>Renseignez un autre budget.</source>
        <comment>156</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="58"/>
        <source>Vous devez sélectionner une race.</source>
        <comment>157</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="59"/>
        <source>Il faut renseigner le nom de la bataille.</source>
        <comment>158</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="60"/>
        <source>Ajouter au moins deux armées dans la liste.</source>
        <comment>159</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="62"/>
        <source>Cette armée est déjà dans la liste, choisissez en une autre.</source>
        <comment>160</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="64"/>
        <source>Sélectionnez une armée.</source>
        <comment>161</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="65"/>
        <source>Sélectionnez une bataille.</source>
        <comment>162</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="67"/>
        <source>Impossible d&apos;ouvrir la source de données : Skarnholt, see ODBC.</source>
        <comment>163</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="69"/>
        <source>Vous avez déjà un chef de guerre.</source>
        <comment>164</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="71"/>
        <source>Vous devez insérer un chef de guerre avant tout.</source>
        <comment>165</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="72"/>
        <source>Sélectionnez un leader dans l&apos;arborecscence de votre armée.</source>
        <comment>166</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="74"/>
        <source>Liste des batailles</source>
        <comment>167</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="75"/>
        <source>Cette bataille existe déjà.</source>
        <comment>168</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="76"/>
        <source>Impossible de charger la bataille.</source>
        <comment>169</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="77"/>
        <source>Armée</source>
        <comment>170</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="78"/>
        <source>Budget</source>
        <comment>171</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="79"/>
        <source>Coût</source>
        <comment>172</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="80"/>
        <source>Race</source>
        <comment>173</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="81"/>
        <source>Bataille</source>
        <comment>174</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="82"/>
        <source>Budget total</source>
        <comment>175</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="83"/>
        <source>Coût total</source>
        <comment>176</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="84"/>
        <source>Bouclier</source>
        <comment>177</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="85"/>
        <source>Propriétés</source>
        <comment>178</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="86"/>
        <source>Description</source>
        <comment>179</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="87"/>
        <source>Amazone</source>
        <comment>180</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="88"/>
        <source>Barbare</source>
        <comment>181</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="89"/>
        <source>Créature</source>
        <comment>182</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="90"/>
        <source>Elf noir</source>
        <comment>183</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="91"/>
        <source>Elf sylvestre</source>
        <comment>184</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="92"/>
        <source>Géant</source>
        <comment>185</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="93"/>
        <source>Goblin</source>
        <comment>186</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="94"/>
        <source>Haut elf</source>
        <comment>187</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="95"/>
        <source>Hobgoblin</source>
        <comment>188</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="96"/>
        <source>Humain</source>
        <comment>189</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="97"/>
        <source>Mort vivant</source>
        <comment>190</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="98"/>
        <source>Nain</source>
        <comment>191</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="99"/>
        <source>Ogre</source>
        <comment>192</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="100"/>
        <source>Orc</source>
        <comment>193</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="101"/>
        <source>Summoned</source>
        <comment>194</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="102"/>
        <source>Troll</source>
        <comment>195</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="103"/>
        <source>Aucune</source>
        <comment>196</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="104"/>
        <source>Légère</source>
        <comment>197</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="105"/>
        <source>Moyenne</source>
        <comment>198</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="106"/>
        <source>Lourde</source>
        <comment>199</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="107"/>
        <source>Très lourde</source>
        <comment>200</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="108"/>
        <source>Pauvre</source>
        <comment>201</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="109"/>
        <source>Moyen</source>
        <comment>202</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="110"/>
        <source>Vétérant</source>
        <comment>203</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="111"/>
        <source>Elite</source>
        <comment>204</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="112"/>
        <source>Discipliné</source>
        <comment>205</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="113"/>
        <source>Tribale</source>
        <comment>206</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="114"/>
        <source>Fanatique</source>
        <comment>207</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="115"/>
        <source>Tribale / Fanatique</source>
        <comment>208</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="116"/>
        <source>Aucun</source>
        <comment>210</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="117"/>
        <source>Jour</source>
        <comment>211</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="118"/>
        <source>Nuit</source>
        <comment>212</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="119"/>
        <source>Aucune</source>
        <comment>213</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="120"/>
        <source>1 main</source>
        <comment>214</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="121"/>
        <source>2 mains</source>
        <comment>215</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="122"/>
        <source>Arbalète</source>
        <comment>216</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="123"/>
        <source>Arbalète géante</source>
        <comment>217</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="124"/>
        <source>Arc</source>
        <comment>218</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="125"/>
        <source>Arc long</source>
        <comment>219</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="126"/>
        <source>Hast</source>
        <comment>220</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="127"/>
        <source>Arquebuse</source>
        <comment>221</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="128"/>
        <source>Baliste</source>
        <comment>222</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="129"/>
        <source>Canon</source>
        <comment>223</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="130"/>
        <source>Cornes et sabots</source>
        <comment>224</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="131"/>
        <source>Griffes et crocs</source>
        <comment>225</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="132"/>
        <source>Lance</source>
        <comment>226</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="133"/>
        <source>Pique</source>
        <comment>227</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="134"/>
        <source>Spéciale</source>
        <comment>228</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="136"/>
        <source>Cette armée est déjà encours de modification.</source>
        <comment>230</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="137"/>
        <source>Imprévisible</source>
        <comment>231</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="138"/>
        <source>Bouclier</source>
        <comment>232</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="139"/>
        <source>Mort</source>
        <comment>233</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="140"/>
        <source>Hobbit</source>
        <comment>234</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="141"/>
        <source>Nouvelle armée
Nouvelle armée</source>
        <comment>32772</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="142"/>
        <source>Ouvrir une armée
Ouvrir une armée</source>
        <comment>32773</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="143"/>
        <source>Sauvegarder l&apos;armée
Sauvegarder l&apos;armée</source>
        <comment>32775</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="144"/>
        <source>Exporter au format Excel
Exporter au format Excel</source>
        <comment>32776</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="146"/>
        <source>Ajouter en chef de guerre
Ajouter en chef de guerre</source>
        <comment>32778</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="148"/>
        <source>Ajouter en chef de groupe
Ajouter en chef de groupe</source>
        <comment>32779</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="150"/>
        <source>Propriétés
Propriétés</source>
        <comment>32781</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="151"/>
        <source>Ajouter
Ajouter</source>
        <comment>32782</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="152"/>
        <source>Sélectionner les races affichées
Sélectionner les races affichées</source>
        <comment>32790</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StringTable.cpp" line="155"/>
        <source>SkarnholtDB</source>
        <comment>57344</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
