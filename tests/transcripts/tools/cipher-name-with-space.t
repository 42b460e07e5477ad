# A file name with a space is split: its first word is the input, the
# second the output, and the next line the key.
--- given mio noeol
dati
--- stdin
n
1
mio file.txt
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
--- expect file.txt noeol
<HEX:05><HEX:03><HEX:17><HEX:08>
--- exit 0
