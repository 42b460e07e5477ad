# 'o' with H2O: question, empty line, prompt; the result line, then the line
# end after the formula is discarded and the prompt block follows. Only the
# command line goes to the history, not the formula.
--- stdin
o
H2O
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
La massa molare di H2O e' 18.0058


Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
o
--- exit 0
