# 'd' with INT_MIN / -1 in the remainder mode wraps: quotient INT_MIN, remainder 0.
--- stdin
d
-2147483648
-1
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Risultato: -2147483648
Resto: 0


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
