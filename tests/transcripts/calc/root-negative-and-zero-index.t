# 'r': an odd root of a negative number is real; an even one is refused; an
# index of 0 is refused first, whatever the number.
--- stdin
r
-8
3
r
-16
2
r
5
0
r
-5
0
--- stdout


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: La radice 3-esima di -8 e': -2


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: Errore: radice di indice pari di un numero negativo.


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: Errore: indice della radice non valido.


Cosa vuoi fare?

Path: 
Inserisci il numero: Inserisci l'esponente per la radice: Errore: indice della radice non valido.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
