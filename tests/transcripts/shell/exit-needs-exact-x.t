# Upper-case X and x with blanks do not end the program.
--- stdin
X
 x
x 
--- stdout


Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- platform
--- exit 0
