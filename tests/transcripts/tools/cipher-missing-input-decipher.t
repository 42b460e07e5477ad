# Deciphering a missing input: the same message in the same place, checked
# before the key (which is bad too); an existing output keeps its bytes.
--- given out.txt
vecchio
--- stdin
n
2
manca.bin
out.txt
123
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

Errore: il file di input non esiste.


Cosa vuoi fare?

Path: 
--- expect out.txt
vecchio
--- exit 0
