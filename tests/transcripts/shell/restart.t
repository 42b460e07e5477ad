# 'l' writes the restart line, launches a new instance and ends at once:
# no pause.
--- stdin
l
h
--- stdout


Cosa vuoi fare?

Path: 
Riavviando...
--- platform
start Tavrik-Terminal.exe
--- exit 0
