# An empty input gives an empty output and the success message.
--- given vuoto.txt noeol

--- stdin
n
2
vuoto.txt
vuoto.out
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
Inserisci il nome del file di input cifrato: 
Inserisci il nome del file di output decifrato: 
Inserisci la chiave di decifratura: 
File processato correttamente.



Cosa vuoi fare?

Path: 
--- expect vuoto.out noeol

--- exit 0
