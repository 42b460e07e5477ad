# 'd' by zero: the remainder mode prints a message in place of the two
# result lines; the real mode prints the IEEE infinity.
--- stdin
d
7
0
2
d
7
0
1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Errore: divisione per zero.


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Risultato: inf

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
