# 's' subtracts in 32-bit int: INT_MIN - 1 wraps to INT_MAX.
--- stdin
s
2
-2147483648
1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci quanti valori vuoi utilizzare: Valore: Valore: Risultato: 2147483647

Cosa vuoi fare?

Path: 
--- platform
--- exit 0
