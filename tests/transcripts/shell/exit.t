# 'x' says goodbye, waits for a key and ends with status 0; nothing after it is read.
--- stdin
x
h
--- stdout


Cosa vuoi fare?

Path: 
Ok,sto uscendo...

--- platform
pause
--- expect function_history.txt
x
--- exit 0
