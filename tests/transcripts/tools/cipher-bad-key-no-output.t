# Deciphering with a key that holds a non-letter: the message follows the
# key's line break directly and no output file is created.
--- given in.bin noeol
xyz
--- stdin
n
2
in.bin
out.txt
chi-ave
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
Errore: la chiave deve contenere solo caratteri alfabetici.


Cosa vuoi fare?

Path: 
--- absent out.txt
--- exit 0
