# 'a' sums in 32-bit int: INT_MAX + 1 wraps to INT_MIN.
--- stdin
a
2
2147483647
1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: Risultato: -2147483648

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
