# Enciphering and then deciphering with the same key gives back every
# byte: carriage returns, line feeds, zero bytes and byte 26 included.
--- given dati.bin noeol
a<HEX:0d>
b<HEX:00><HEX:00>c<HEX:1a>
<HEX:0d><HEX:1a><HEX:00><HEX:ff><HEX:80>z
--- stdin
n
1
dati.bin
dati.cif
Chiave
n
2
dati.cif
dati.out
Chiave
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
--- expect dati.cif noeol
"ec<HEX:03>ve rclle<HEX:bc><HEX:e8><HEX:13>
--- expect dati.out noeol
a<HEX:0d>
b<HEX:00><HEX:00>c<HEX:1a>
<HEX:0d><HEX:1a><HEX:00><HEX:ff><HEX:80>z
--- exit 0
