# A key with a digit is refused before the output is touched: the existing
# output file keeps its bytes.
--- given in.txt
ciao
--- given out.txt
da non perdere
--- stdin
n
1
in.txt
out.txt
chiave1
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

Errore: la chiave deve contenere solo caratteri alfabetici.


Cosa vuoi fare?

Path: 
--- expect out.txt
da non perdere
--- exit 0
