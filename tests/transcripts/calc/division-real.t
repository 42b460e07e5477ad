# 'd' with mode 1 (or 0) divides in double.
--- stdin
d
7
2
1
d
1
3
0
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Risultato: 3.5

Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Risultato: 0.333333

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
