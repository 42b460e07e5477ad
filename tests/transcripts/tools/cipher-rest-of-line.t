# Only one character after the key is discarded: the rest of its line is
# read at the prompt as the next command line, here the exit.
--- given in.txt noeol
abc
--- stdin
n
1
in.txt
out.bin
abc x
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
Ok,sto uscendo...

--- platform
pause
--- expect out.bin noeol
<HEX:00><HEX:00><HEX:00>
--- exit 0
