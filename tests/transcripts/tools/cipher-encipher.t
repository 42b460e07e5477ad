# 'n' then '1': a 7-byte file enciphered with the key abc uses the key
# letters at positions 0,1,2,0,1,2,0; the report comes after one more blank
# line than in the other direction.
--- given chiaro.txt
Ciao!<HEX:0d>
--- stdin
n
1
chiaro.txt
cifrato.bin
abc
--- stdout


Cosa vuoi fare?

Path: 

Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 
Inserisci il nome del file di input: 
Inserisci il nome del file di output cifrato: 
Inserisci la chiave di cifratura: 

File processato correttamente.



Cosa vuoi fare?

Path: 
--- expect cifrato.bin noeol
"<HEX:0b><HEX:02><HEX:0e>Cnk
--- expect chiaro.txt
Ciao!<HEX:0d>
--- exit 0
