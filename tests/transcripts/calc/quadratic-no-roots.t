# '2': a negative discriminant has no real roots; a = 0 is refused after all
# three coefficients are read.
--- stdin
2
1
0
1
2
0
2
4
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: Path: Path: L'equazione non ammette soluzioni reali.


Cosa vuoi fare?

Path: 
Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: Path: Path: Errore: il coefficiente a deve essere diverso da zero.


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
