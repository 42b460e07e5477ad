# The formula is a word: empty lines, blanks and tabs before it are skipped,
# and the result line shows the word exactly as read.
--- stdin
o

  <TAB>C6H12O6
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
La massa molare di C6H12O6 e' 180.095


Cosa vuoi fare?

Path: 
--- exit 0
