# The exact word 'helpsite' probes the network, then opens the feedback page;
# nothing is written.
--- option probe=0
--- stdin
helpsite
--- stdout


Cosa vuoi fare?

Path: 


Cosa vuoi fare?

Path: 
--- platform
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/feedback
--- exit 0
