# The answer 1 followed by blanks counts as 1: white space ends the word,
# and the following words are the next answers, here all on one line.
--- given a.txt noeol
AAAA
--- stdin
n
1   
  a.txt b.bin   abc
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
--- expect b.bin noeol
 #" 
--- exit 0
