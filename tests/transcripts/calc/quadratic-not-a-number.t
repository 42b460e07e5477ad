# '2': a non-number coefficient is asked for again after "Path: ".
--- stdin
2
1
b
-3
2
--- stdout


Cosa vuoi fare?

Path: 
Inserisci i coefficienti dell'equazione di secondo grado (ax^2 + bx + c = 0): 
Path: Path: 
Errore riprova
Path: Path: Le soluzioni dell'equazione sono x1 = 2 e x2 = 1


Cosa vuoi fare?

Path: 
--- platform
--- exit 0
