# The menu answer 12 is not a single character: refused, no file asked for.
--- stdin
n
12
--- stdout


Cosa vuoi fare?

Path: 

Attenzione: inserire il nome del file (non deve contenere spazi) con la dovuta estenzione (.txt ecc..), sia in input che output.
Es: filename.txt (not file name.txt or file name)

Seleziona un'azione da eseguire:
1. Cifrare un file
2. Decifrare un file

Path: 

Scelta non valida.


Cosa vuoi fare?

Path: 
--- exit 0
