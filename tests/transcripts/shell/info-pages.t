=== Offline, 'helpsite' says so and opens nothing.
--- option probe=1
--- dialogue
<PROMPT>{helpsite}



Errore di rete, collegati e riprova.

<PROMPT>
--- platform
ping -n 1 www.example.com > NUL
=== The exact word 'helpsite' probes the network, then opens the feedback page; nothing is written.
--- option probe=0
--- dialogue
<PROMPT>{helpsite}

<PROMPT>
--- platform
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/feedback
=== Offline, every accepted choice, valid or not, gets the network error and no page is opened.
--- option probe=1
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {1}


Errore di rete, collegati e riprova.

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {9}


Errore di rete, collegati e riprova.

<PROMPT>
--- platform
ping -n 1 www.example.com > NUL
ping -n 1 www.example.com > NUL
=== Online, each choice opens its page with nothing written; choice 4 probes and is then refused after a single line break.
--- option probe=0
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {1}
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {2}
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {3}
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {4}

Funzione non valida.Riprova

<PROMPT>
--- platform
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/privacy.md
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/terms%20and%20conditions.md
ping -n 1 www.example.com > NUL
start https://www.tavrik-terminal.it/programsfile/info
ping -n 1 www.example.com > NUL
=== Refused answers get two line breaks before the refusal and no probe.
--- option probe=0
--- dialogue
<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {}


Funzione non valida.Riprova

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: {12}


Funzione non valida.Riprova

<PROMPT>{i}

Impostazioni


Comandi:

Tema=1

Info=2


Path: {2}

Info:

Privacy Policy = 1
Tearm and Conditions = 2
Info sul programma = 3

Path: { }


Funzione non valida.Riprova

<PROMPT>
