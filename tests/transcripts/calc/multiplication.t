# 'm' multiplies two doubles and prints six significant digits.
--- stdin
m
2.5
4
m
0.1 3
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la moltiplicazione:
Valore: Valore: Risultato: 10

Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la moltiplicazione:
Valore: Valore: Risultato: 0.3

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
