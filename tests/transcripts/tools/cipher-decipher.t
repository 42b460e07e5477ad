# 'n' then '2': the deciphering prompts; the report follows the key's line
# break directly.
--- given segreto.bin noeol
<HEX:18><HEX:04><HEX:02><HEX:06><HEX:0c><HEX:19>5A<HEX:04><HEX:1b><HEX:1a><HEX:0e>&<HEX:17><HEX:17><HEX:06><HEX:08>f^<HEX:12><HEX:13><HEX:11><HEX:06><HEX:05>0<HEX:00>V<HEX:00><HEX:00><HEX:0c>5l|
--- stdin
n
2
segreto.bin
chiaro.txt
Tavrik
--- stdout


Cosa vuoi fare?

Path: 

Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 
Inserisci il nome del file di input cifrato: 
Inserisci il nome del file di output decifrato: 
Inserisci la chiave di decifratura: 
File processato correttamente.



Cosa vuoi fare?

Path: 
--- expect chiaro.txt
Lettera riservata<HEX:0d>
seconda riga<HEX:0d>
--- exit 0
