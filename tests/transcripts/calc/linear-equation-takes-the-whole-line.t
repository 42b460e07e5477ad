# '1' reads a whole line, so nothing after it is discarded and the next line
# is the next command.
--- stdin
1
2x+3y=5
a
0
--- stdout


Cosa vuoi fare?

Path: 
Inserisci l'equazione di primo grado in forma generica (ax+by=c): x = 1.75 y = 0.5


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Risultato: 0

Cosa vuoi fare?

Path: 
--- platform
--- expect function_history.txt
1
a
--- exit 0
