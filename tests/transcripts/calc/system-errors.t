# '3': a zero determinant, an unknown operator and an equation that does not
# scan each get their message.
--- stdin
3
1x+1y=2
2x+2y=4
3
2x*3y=5
1x+1y=2
3
x+y=2
1x+1y=1
--- stdout


Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:
Errore: il determinante del sistema lineare è uguale a zero.



Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:
Errore: operatore non valido


Cosa vuoi fare?

Path: 
Inserisci le due equazioni separate da un invio:
Errore: equazione non valida (forma ax+by=c).


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
