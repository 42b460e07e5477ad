# "H2 O" on the formula line: H2 alone is computed, the blank after it is
# discarded, and "O" reaches the prompt as the next command line, where it is
# recorded and refused (upper-case O is not a command).
--- stdin
o
H2 O
--- stdout


Cosa vuoi fare?

Path: 
Inserisci la formula chimica: 

Path: 
La massa molare di H2 e' 2.0158


Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- expect function_history.txt
o
O
--- exit 0
