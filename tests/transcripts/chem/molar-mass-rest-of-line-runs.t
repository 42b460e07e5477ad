# "H2 o" on the formula line: after H2, the "o" left in the input is read at
# the prompt and starts the molar mass command again at once, which then
# reads the next line's formula.
--- stdin
o
H2 o
NaCl
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
La massa molare di H2 e' 2.0158


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
La massa molare di NaCl e' 58.44


Cosa vuoi fare?

Path: 
--- expect function_history.txt
o
o
--- exit 0
