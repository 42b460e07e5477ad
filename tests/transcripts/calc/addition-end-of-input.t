# End of input inside the addition: a line break and status 0.
--- stdin
a
3
1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: 
--- platform
--- exit 0
