# Enciphering a file in place replaces its content with the enciphered
# bytes.
--- given nota.txt noeol
Nota privata.<HEX:0d>
Fine.<HEX:1a>
--- stdin
n
1
nota.txt
nota.txt
Segreto
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
--- expect nota.txt noeol
<HEX:1d>
<HEX:13><HEX:13>E<HEX:04><HEX:1d>:<HEX:13><HEX:06><HEX:06><HEX:04>ZbY#<HEX:0e><HEX:1c><HEX:00>Zu
--- exit 0
