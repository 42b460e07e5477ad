=== 'w': fat mass is the percentage of the weight; every letter but M and m selects the female formula.
--- dialogue
<PROMPT>{w}

Inserire il sesso (M/F): {M}
Inserire l'eta': {30}
Inserire il peso (Kg): {70}
Inserire l'altezza (cm): {175}
Massa grassa: 12.69 Kg
Massa magra: 57.31 Kg
<PROMPT>{w}

Inserire il sesso (M/F): {F}
Inserire l'eta': {30}
Inserire il peso (Kg): {60}
Inserire l'altezza (cm): {165}
Massa grassa: 16.7678 Kg
Massa magra: 43.2322 Kg
<PROMPT>{w}

Inserire il sesso (M/F): {x 30 60 165}
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 16.7678 Kg
Massa magra: 43.2322 Kg
<PROMPT>
=== All four answers on one line followed by " q": the blank after the height is discarded and "q" starts the mean.
--- dialogue
<PROMPT>{w}

Inserire il sesso (M/F): {M 30 70 175 q}
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 12.69 Kg
Massa magra: 57.31 Kg
<PROMPT>
Inserisci quanti valori vuoi utilizzare: {0}
Errore: inserire almeno un valore.
<PROMPT>
--- expect function_history.txt
w
q
=== 'w': a weight or height not above zero gets a message.
--- dialogue
<PROMPT>{w}

Inserire il sesso (M/F): {m}
Inserire l'eta': {40}
Inserire il peso (Kg): {0}
Inserire l'altezza (cm): {180}
Errore: peso e altezza devono essere positivi.
<PROMPT>{w}

Inserire il sesso (M/F): {f}
Inserire l'eta': {30}
Inserire il peso (Kg): {60}
Inserire l'altezza (cm): {-165}
Errore: peso e altezza devono essere positivi.
<PROMPT>
=== 'w' reads one character: "Maschio" gives M, and "aschio" at the age is not a number, so the age is asked again.
--- dialogue
<PROMPT>{w}

Inserire il sesso (M/F): {Maschio}
Inserire l'eta': 
Errore riprova
Inserire l'eta': {40}
Inserire il peso (Kg): {80}
Inserire l'altezza (cm): {180}
Massa grassa: 18.1037 Kg
Massa magra: 61.8963 Kg
<PROMPT>
