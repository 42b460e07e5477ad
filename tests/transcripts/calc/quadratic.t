# '2' prints both roots; a zero discriminant prints the same root twice.
--- stdin
2
1
-3
2
2
1
2
1
2
1 0 -2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: Path: Path: Le soluzioni dell'equazione sono x1 = 2 e x2 = 1


Cosa vuoi fare?

Path: 
Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: Path: Path: Le soluzioni dell'equazione sono x1 = -1 e x2 = -1


Cosa vuoi fare?

Path: 
Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: Path: Path: Le soluzioni dell'equazione sono x1 = 1.41421 e x2 = -1.41421


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
