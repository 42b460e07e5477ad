# Every line that is not one command character is refused, and every one
# is recorded in the history file, empty and refused lines included.
--- stdin

X
 x
x 
helpsite 
Helpsite
ab
 
<TAB>
Q
h#
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

Funzione non valida.Riprova



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

Funzione non valida.Riprova



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
--- expect function_history.txt

X
 x
x 
helpsite 
Helpsite
ab
 
	
Q
h#
--- exit 0
