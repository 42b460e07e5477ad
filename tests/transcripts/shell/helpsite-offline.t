# Offline, 'helpsite' says so and opens nothing.
--- option probe=1
--- stdin
helpsite
--- stdout


Cosa vuoi fare?

Path: 


Errore di rete, collegati e riprova.



Cosa vuoi fare?

Path: 
--- platform
ping -n 1 www.example.com > NUL
--- exit 0
