--- token E noeol

Voi fare una espressione semplice(a+b)(1) o complessa(2)?
Path: 
=== 'e' with 2 evaluates one word as an expression, with 1 one int operation; "2 + 3" leaves "+ 3" for the prompt.
--- dialogue
<PROMPT>{e}
<E>{2 -(2+3)/.5}
Inserisci l'espressione: Risultato: -10
<PROMPT>{e}
<E>{2 2(3)}
Inserisci l'espressione: Errore: espressione non valida.
<PROMPT>{e}
<E>{1 3 + -4}
Inserisci l'espressione': Risultato: -1
<PROMPT>{e}
<E>{0 5/0}
Inserisci l'espressione': Errore: divisione per zero.
<PROMPT>{e}
<E>{2}
Inserisci l'espressione: {2 + 3}
Risultato: 2
<PROMPT>

Funzione non valida.Riprova

<PROMPT>
