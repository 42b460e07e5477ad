# Two characters, a blank and an empty answer are refused; the history
# is untouched.
--- given function_history.txt
old
--- stdin
@
vv
@
 
@

--- stdout


Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
Vuoi vedere(v) o cancellare(c) la cronologia?
Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
old
@
@
@
--- exit 0
