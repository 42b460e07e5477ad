# An input that does not exist: message after a blank line, the output is
# not created.
--- stdin
n
1
manca.txt
out.bin
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

Errore: il file di input non esiste.


Cosa vuoi fare?

Path: 
--- absent out.bin
--- exit 0
