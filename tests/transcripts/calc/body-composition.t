=== 'w' gives fat and lean mass by the male formula for M, by the female one for any other letter; "M 30 70 175 q" leaves "q" for the prompt.
--- dialogue
<PROMPT>{w}

Inserire il sesso (M/F): {F 30 60 165}
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 16.7678 Kg
Massa magra: 43.2322 Kg
<PROMPT>{w}

Inserire il sesso (M/F): {x 30 0 165}
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Errore: peso e altezza devono essere positivi.
<PROMPT>{w}

Inserire il sesso (M/F): {f 30 60 0}
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Errore: peso e altezza devono essere positivi.
<PROMPT>{w}

Inserire il sesso (M/F): {M 30 70 175 q}
Inserire l'eta': Inserire il peso (Kg): Inserire l'altezza (cm): Massa grassa: 12.69 Kg
Massa magra: 57.31 Kg
<PROMPT>
Inserisci quanti valori vuoi utilizzare: {0}
Errore: inserire almeno un valore.
<PROMPT>
