--- token D noeol

Inserisci i due valori per eseguire la divisone (NO valori decimali):
Valore: 
--- token M noeol
Valore: IL risultato lo vuoi normale(1) o con il resto(2)?
Path: 
=== A zero divisor is refused in the plain mode as in the remainder mode, 0/0 too; a mode below 1 is the plain one (no remainder written).
--- dialogue
<PROMPT>{d}
<D>{7 0 1}
<M>Errore: divisione per zero.
<PROMPT>{d}
<D>{0 0 0}
<M>Errore: divisione per zero.
<PROMPT>{d}
<D>{7 0 2}
<M>Errore: divisione per zero.
<PROMPT>{d}
<D>{0 4 -5}
<M>Risultato: 0<PROMPT>
