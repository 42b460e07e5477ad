# 'd' with mode 2 (or more) prints the integer quotient and the remainder,
# which carries the sign of the dividend.
--- stdin
d
7
2
2
d
-7
2
5
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Risultato: 3
Resto: 1


Cosa vuoi fare?

Path: 
Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: Risultato: -3
Resto: -1


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
