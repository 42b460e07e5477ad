=== 'u' takes degrees: cos 60 is 0.5, cos 90 prints 0 and cos 180 is -1.
--- dialogue
<PROMPT>{u}

Inserisci valore:{60}
Risultato: 0.5<PROMPT>{u}

Inserisci valore:{90}
Risultato: 0<PROMPT>{u}

Inserisci valore:{180}
Risultato: -1<PROMPT>
=== 'z' takes degrees: sin 30 is 0.5, sin 90 is 1, and sin 180 and -180 print 0.
--- dialogue
<PROMPT>{z}

Inserisci valore:{30}
Risultato: 0.5<PROMPT>{z}

Inserisci valore:{90}
Risultato: 1<PROMPT>{z}

Inserisci valore:{180}
Risultato: 0<PROMPT>{z}

Inserisci valore:{-180}
Risultato: 0<PROMPT>
=== 't' takes degrees: tan 45 is 1, tan 180 prints 0, tan -45 is -1.
--- dialogue
<PROMPT>{t}

Inserisci valore:{45}
Risultato: 1<PROMPT>{t}

Inserisci valore:{180}
Risultato: 0<PROMPT>{t}

Inserisci valore:{-45}
Risultato: -1<PROMPT>
=== A non-number angle is refused and asked for again.
--- dialogue
<PROMPT>{z}

Inserisci valore:{trenta}

Errore riprova
Inserisci valore:{30}
Risultato: 0.5<PROMPT>
=== 't' at 90 + k*180 degrees prints a message instead of a result.
--- dialogue
<PROMPT>{t}

Inserisci valore:{90}
Errore: tangente non definita per questo angolo.
<PROMPT>{t}

Inserisci valore:{-270}
Errore: tangente non definita per questo angolo.
<PROMPT>
