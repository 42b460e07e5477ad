# '3' reads words: "2x + 3y = 5" gives the equations "2x" and "+", which do
# not scan; after one discarded blank "3y = 5" reaches the prompt and is refused.
--- stdin
3
2x + 3y = 5
--- stdout


Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:
Errore: equazione non valida (forma ax+by=c).


Cosa vuoi fare?

Path: 

Funzione non valida.Riprova



Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
3
3y = 5
--- exit 0
