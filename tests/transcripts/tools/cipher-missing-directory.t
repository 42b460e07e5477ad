# An output in a directory that does not exist: the write message, never
# the success message, and nothing is created.
--- given in.txt
ciao
--- stdin
n
1
in.txt
nessuna/out.bin
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

Errore: impossibile scrivere il file di output.


Cosa vuoi fare?

Path: 
--- absent nessuna
--- exit 0
