<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="it_IT">
<context>
    <name>AccessibleNames</name>
    <message>
        <source>Aumenta %1</source>
        <translation>Increase %1</translation>
    </message>
    <message>
        <source>Diminuisci %1</source>
        <translation>Decrease %1</translation>
    </message>
    <message>
        <source>Clic, Invio o una cifra: inserisci l&apos;angolo</source>
        <translation>Click, Enter or a digit: enter the angle</translation>
    </message>
    <message>
        <source>Clic, Invio o una cifra: inserisci la velocità</source>
        <translation>Click, Enter or a digit: enter the speed</translation>
    </message>
    <message>
        <source>Clic, Invio o una cifra: inserisci la posizione</source>
        <translation>Click, Enter or a digit: enter the position</translation>
    </message>
    <message>
        <source>Scrivi ore e minuti (1:30) o i minuti</source>
        <translation>Type hours and minutes (1:30) or minutes</translation>
    </message>
    <message>
        <source>Scrivi il testo</source>
        <translation>Type the text</translation>
    </message>
    <message>
        <source>Risultato del calcolo</source>
        <translation>Result of the calculation</translation>
    </message>
    <message>
        <source>Scegli dall&apos;elenco</source>
        <translation>Choose from the list</translation>
    </message>
    <message>
        <source>Scrivi il valore o usa le frecce</source>
        <translation>Type the value or use the arrows</translation>
    </message>
    <message>
        <source>Scrivi il valore</source>
        <translation>Type the value</translation>
    </message>
    <message>
        <source>Cancella %1</source>
        <translation>Clear %1</translation>
    </message>
</context>
<context>
    <name>DeviationCard</name>
    <message>
        <source>Prora bussola</source>
        <translation>Compass heading</translation>
    </message>
    <message>
        <source>Pb</source>
        <translation>Hdg C</translation>
    </message>
    <message>
        <source>Dev</source>
        <translation>Dev</translation>
    </message>
    <message>
        <source>Pm</source>
        <translation>Hdg M</translation>
    </message>
    <message>
        <source>Tabella delle deviazioni</source>
        <translation>Deviation card</translation>
    </message>
    <message>
        <source>Imbarcazione: %1</source>
        <translation>Vessel: %1</translation>
    </message>
    <message>
        <source>Data: %1</source>
        <translation>Date: %1</translation>
    </message>
    <message>
        <source>δ = A + B sin θ + C cos θ + D sin 2θ + E cos 2θ   (θ prora bussola, δ + verso Est)</source>
        <translation>δ = A + B sin θ + C cos θ + D sin 2θ + E cos 2θ   (θ compass heading, δ + East)</translation>
    </message>
    <message>
        <source>Scarto quadratico medio: %1</source>
        <translation>RMS residual: %1</translation>
    </message>
    <message>
        <source>Righe sospette (in rosso): %1</source>
        <translation>Suspect rows (in red): %1</translation>
    </message>
    <message>
        <source>Ogni 10°, dalla riga più vicina della tabella (%1 righe).</source>
        <translation>Every 10°, from the nearest row of the table (%1 rows).</translation>
    </message>
    <message>
        <source>impossibile creare il PDF</source>
        <translation>cannot create the PDF</translation>
    </message>
    <message>
        <source>impossibile scrivere l&apos;immagine</source>
        <translation>cannot write the image</translation>
    </message>
</context>
<context>
    <name>DeviationRows</name>
    <message>
        <source>Riga %1: </source>
        <translation>Row %1: </translation>
    </message>
    <message>
        <source>manca un numero.</source>
        <translation>a number is missing.</translation>
    </message>
    <message>
        <source>la prora deve stare tra -180° e 360°.</source>
        <translation>the heading must lie between -180° and 360°.</translation>
    </message>
    <message>
        <source>la deviazione deve stare tra -90° e +90°.</source>
        <translation>the deviation must lie between -90° and +90°.</translation>
    </message>
    <message>
        <source>Prora bussola</source>
        <translation>Compass heading</translation>
    </message>
    <message>
        <source>Deviazione</source>
        <translation>Deviation</translation>
    </message>
</context>
<context>
    <name>LogDocument</name>
    <message>
        <source>impossibile creare il PDF</source>
        <translation>cannot create the PDF</translation>
    </message>
</context>
<context>
    <name>TAlignedEdit</name>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Incolla</source>
        <translation>Paste</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Valore fuori limite !</source>
        <translation>Value out of range!</translation>
    </message>
    <message>
        <source>Tempo = 0 !</source>
        <translation>Time = 0!</translation>
    </message>
    <message>
        <source>Velocità = 0 !</source>
        <translation>Speed = 0!</translation>
    </message>
    <message>
        <source>Tempo &gt; 545:00 !</source>
        <translation>Time &gt; 545:00!</translation>
    </message>
    <message>
        <source>Tempo Totale = 0 !</source>
        <translation>Total time = 0!</translation>
    </message>
    <message>
        <source>Consumo Specifico = 0 !</source>
        <translation>Specific consumption = 0!</translation>
    </message>
    <message>
        <source>Potenza motore = 0 !</source>
        <translation>Engine power = 0!</translation>
    </message>
    <message>
        <source>PVe</source>
        <translation>TH</translation>
    </message>
    <message>
        <source>Cor</source>
        <translation>Cur</translation>
    </message>
    <message>
        <source>RVe</source>
        <translation>COG</translation>
    </message>
    <message>
        <source>Manca file TABELLA DEVIAZIONI
%1</source>
        <translation>DEVIATION TABLE file missing
%1</translation>
    </message>
    <message>
        <source>Impossibile leggere il file TABELLA DEVIAZIONI: &apos;%1&apos; non è un file.</source>
        <translation>Cannot read the DEVIATION TABLE file: &apos;%1&apos; is not a file.</translation>
    </message>
    <message>
        <source>File TABELLA DEVIAZIONI troppo grande (%1 byte): non è una tabella.</source>
        <translation>DEVIATION TABLE file too large (%1 bytes): it is not a table.</translation>
    </message>
    <message>
        <source>Impossibile leggere il file TABELLA DEVIAZIONI: %1</source>
        <translation>Cannot read the DEVIATION TABLE file: %1</translation>
    </message>
    <message>
        <source>   Pb</source>
        <translation>  Hdg C</translation>
    </message>
    <message>
        <source>  Dev</source>
        <translation>  Dev</translation>
    </message>
    <message>
        <source>   Pm</source>
        <translation>  Hdg M</translation>
    </message>
    <message>
        <source>Esco dal programma ? </source>
        <translation>Exit the program?</translation>
    </message>
    <message>
        <source>Nessun dato da calcolare.</source>
        <translation>Nothing to compute.</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Prore</source>
        <translation>Headings</translation>
    </message>
    <message>
        <source>Rilevamenti</source>
        <translation>Bearings</translation>
    </message>
    <message>
        <source>Correnti</source>
        <translation>Currents</translation>
    </message>
    <message>
        <source>Autonomia</source>
        <translation>Endurance</translation>
    </message>
    <message>
        <source>Tabelle</source>
        <translation>Tables</translation>
    </message>
    <message>
        <source>Uscita</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Vero e Bussola</source>
        <translation>True and Compass</translation>
    </message>
    <message>
        <source>Polari</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>  Calcolo delle prore  </source>
        <translation>  Heading conversion  </translation>
    </message>
    <message>
        <source>Prora Bussola</source>
        <translation>Compass heading</translation>
    </message>
    <message>
        <source>Prora Magnetica</source>
        <translation>Magnetic heading</translation>
    </message>
    <message>
        <source>Prora Vera</source>
        <translation>True heading</translation>
    </message>
    <message>
        <source>Deviazione</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>Rilevamento Bussola</source>
        <translation>Compass bearing</translation>
    </message>
    <message>
        <source>Rilevamento Vero</source>
        <translation>True bearing</translation>
    </message>
    <message>
        <source>Rilevamento Polare</source>
        <translation>Relative bearing</translation>
    </message>
    <message>
        <source>Circolare [ 0 - 360° ]</source>
        <translation>Circular [ 0 - 360° ]</translation>
    </message>
    <message>
        <source>SemiCircolare dritta  [ + (0 - 180°)  ]</source>
        <translation>Semicircular starboard [ + (0 - 180°) ]</translation>
    </message>
    <message>
        <source>SemiCircolare sinistra [ - (0 - 180°) ]</source>
        <translation>Semicircular port [ - (0 - 180°) ]</translation>
    </message>
    <message>
        <source>Velocità Propria</source>
        <translation>Speed through water</translation>
    </message>
    <message>
        <source>Direzione Corrente</source>
        <translation>Current set</translation>
    </message>
    <message>
        <source>Velocità Corrente </source>
        <translation>Current drift</translation>
    </message>
    <message>
        <source>Rotta Vera</source>
        <translation>Course over ground</translation>
    </message>
    <message>
        <source>Velocità effettiva</source>
        <translation>Speed over ground</translation>
    </message>
    <message>
        <source>nodi</source>
        <translation>knots</translation>
    </message>
    <message>
        <source> Spazio - Velocità - Tempo  </source>
        <translation> Distance - Speed - Time  </translation>
    </message>
    <message>
        <source>Cammino totale</source>
        <translation>Total distance</translation>
    </message>
    <message>
        <source>miglia</source>
        <translation>nautical miles</translation>
    </message>
    <message>
        <source>Velocità Media </source>
        <translation>Average speed</translation>
    </message>
    <message>
        <source>Tempo totale</source>
        <translation>Total time</translation>
    </message>
    <message>
        <source>hh:mm</source>
        <translation>hh:mm</translation>
    </message>
    <message>
        <source>Potenza motore</source>
        <translation>Engine power</translation>
    </message>
    <message>
        <source>HP</source>
        <translation>HP</translation>
    </message>
    <message>
        <source>Consumo specifico</source>
        <translation>Specific consumption</translation>
    </message>
    <message>
        <source>g / HP / h</source>
        <translation>g / HP / h</translation>
    </message>
    <message>
        <source>litri carburante</source>
        <translation>litres of fuel</translation>
    </message>
    <message>
        <source>Autonomia  +30%</source>
        <translation>Fuel needed +30%</translation>
    </message>
    <message>
        <source>Peso Spec. Carburante = 0.833</source>
        <translation>Fuel specific gravity = 0.833</translation>
    </message>
    <message>
        <source>Tabella  Deviazioni</source>
        <translation>Deviation Table</translation>
    </message>
    <message>
        <source>Navigazione costiera</source>
        <translation>Coastal navigation</translation>
    </message>
    <message>
        <source>Correzione da carta f ( Declinazione )</source>
        <translation>Correction from chart ( Variation )</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>USCITA</source>
        <translation>EXIT</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>CH</translation>
    </message>
    <message>
        <source>PM</source>
        <translation>MH</translation>
    </message>
    <message>
        <source>PV</source>
        <translation>TH</translation>
    </message>
    <message>
        <source>RilB</source>
        <translation>CB</translation>
    </message>
    <message>
        <source>RilV</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>RilP</source>
        <translation>RB</translation>
    </message>
    <message>
        <source>Modifica…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>Giro bussola…</source>
        <translation>Compass swing…</translation>
    </message>
    <message>
        <source>Curva…</source>
        <translation>Curve…</translation>
    </message>
    <message>
        <source>Corrente troppo forte per la rotta !</source>
        <translation>Current too strong for this course!</translation>
    </message>
    <message>
        <source>Colori notturni</source>
        <translation>Night colours</translation>
    </message>
    <message>
        <source>La tabella deviazioni in uso non c&apos;è più:
%1
Si usa invece %2.</source>
        <translation>The deviation table in use is gone:
%1
%2 is used instead.</translation>
    </message>
    <message>
        <source>Tabella in uso:</source>
        <translation>Table in use:</translation>
    </message>
    <message>
        <source>Tutti i dati sono presenti: cancella (X) quello da calcolare.</source>
        <translation>Everything is filled in: clear (X) the one to compute.</translation>
    </message>
    <message>
        <source>Azzera</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>Deviazione (data)</source>
        <translation>Deviation (given)</translation>
    </message>
    <message>
        <source> +%1g</source>
        <translation> +%1d</translation>
    </message>
    <message>
        <source>Peso Spec. Carburante = %1</source>
        <translation>Fuel specific gravity = %1</translation>
    </message>
    <message>
        <source>RSu</source>
        <translation>WT</translation>
    </message>
    <message>
        <source>Scarroccio</source>
        <translation>Leeway</translation>
    </message>
    <message>
        <source>+ il vento spinge a dritta, - a sinistra</source>
        <translation>+ the wind sets to starboard, - to port</translation>
    </message>
    <message>
        <source>Ora partenza</source>
        <translation>Departure</translation>
    </message>
    <message>
        <source>Ora arrivo</source>
        <translation>Arrival</translation>
    </message>
    <message>
        <source>Consumo orario</source>
        <translation>Hourly consumption</translation>
    </message>
    <message>
        <source>l / h</source>
        <translation>l / h</translation>
    </message>
    <message>
        <source>Gasolio 0,833</source>
        <translation>Diesel 0.833</translation>
    </message>
    <message>
        <source>Benzina 0,750</source>
        <translation>Petrol 0.750</translation>
    </message>
    <message>
        <source>Altro…</source>
        <translation>Other…</translation>
    </message>
    <message>
        <source>Navigazione costiera (Ctrl+K)</source>
        <translation>Coastal navigation (Ctrl+K)</translation>
    </message>
    <message>
        <source>Autonomia</source>
        <comment>litri di carburante necessari</comment>
        <translation>Fuel needed</translation>
    </message>
    <message>
        <source>Registro dei calcoli (Ctrl+L)</source>
        <translation>Calculation log (Ctrl+L)</translation>
    </message>
    <message>
        <source>Carburante</source>
        <translation>Fuel</translation>
    </message>
    <message>
        <source>Dati di bordo mancanti o non aggiornati: %1.</source>
        <translation>On-board data missing or out of date: %1.</translation>
    </message>
    <message>
        <source>Dati di bordo</source>
        <translation>On-board data</translation>
    </message>
    <message>
        <source>Prora, rotta e velocità dagli strumenti di bordo</source>
        <translation>Heading, course and speeds from the boat&apos;s instruments</translation>
    </message>
    <message>
        <source>Dati di bordo (Ctrl+B)</source>
        <translation>On-board data (Ctrl+B)</translation>
    </message>
</context>
<context>
    <name>TForm10</name>
    <message>
        <source>Orvane 2004 - Registro dei calcoli</source>
        <translation>Orvane 2004 - Calculation log</translation>
    </message>
    <message>
        <source>Copia</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Esporta PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>Stampa…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Svuota</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>registro-%1</source>
        <translation>log-%1</translation>
    </message>
    <message>
        <source>Esporta il registro come PDF</source>
        <translation>Export the log as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <source>Svuoto il registro dei calcoli?</source>
        <translation>Clear the calculation log?</translation>
    </message>
    <message>
        <source>Stampa non riuscita.</source>
        <translation>Printing failed.</translation>
    </message>
    <message>
        <source>Calcoli registrati</source>
        <translation>Logged calculations</translation>
    </message>
    <message>
        <source>Clic, Ctrl+clic o Maiusc+clic: scegli i calcoli da copiare</source>
        <translation>Click, Ctrl+click or Shift+click: choose the calculations to copy</translation>
    </message>
</context>
<context>
    <name>TForm11</name>
    <message>
        <source>%1 nodi</source>
        <translation>%1 kn</translation>
    </message>
    <message>
        <source>%1   %2 %3%4, %5 s</source>
        <translation>%1   %2 %3%4, %5 s</translation>
    </message>
    <message>
        <source>Orvane 2004 - Dati di bordo</source>
        <translation>Orvane 2004 - On-board data</translation>
    </message>
    <message>
        <source>Sorgente</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Client TCP</source>
        <translation>TCP client</translation>
    </message>
    <message>
        <source>UDP</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>Porta seriale</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>File registrato</source>
        <translation>Recorded log</translation>
    </message>
    <message>
        <source>Porta</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Dispositivo</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Baud</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>Scegli il file registrato</source>
        <translation>Choose the recorded log</translation>
    </message>
    <message>
        <source>Riproduci dieci volte più veloce</source>
        <translation>Play ten times faster</translation>
    </message>
    <message>
        <source>Connetti</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Prora bussola</source>
        <translation>Compass heading</translation>
    </message>
    <message>
        <source>Prora magnetica</source>
        <translation>Magnetic heading</translation>
    </message>
    <message>
        <source>Prora vera</source>
        <translation>True heading</translation>
    </message>
    <message>
        <source>Velocità propria</source>
        <translation>Speed through water</translation>
    </message>
    <message>
        <source>Rotta vera</source>
        <translation>Course over ground</translation>
    </message>
    <message>
        <source>Velocità effettiva</source>
        <translation>Speed over ground</translation>
    </message>
    <message>
        <source>Posizione</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Declinazione strum.</source>
        <translation>Variation (instr.)</translation>
    </message>
    <message>
        <source>Declinazione prog.</source>
        <translation>Variation (program)</translation>
    </message>
    <message>
        <source>Corrente (60 s)</source>
        <translation>Current (60 s)</translation>
    </message>
    <message>
        <source>Frasi</source>
        <translation>Sentences</translation>
    </message>
    <message>
        <source>Frasi NMEA (*.nmea *.txt *.log);;Tutti i file (*)</source>
        <translation>NMEA sentences (*.nmea *.txt *.log);;All files (*)</translation>
    </message>
    <message>
        <source>(tentativo %1)</source>
        <translation>(try %1)</translation>
    </message>
    <message>
        <source>Disconnetti</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>%1  %2  (%3 campioni)</source>
        <translation>%1  %2  (%3 samples)</translation>
    </message>
    <message>
        <source>lette %1, scartate %2</source>
        <translation>read %1, dropped %2</translation>
    </message>
    <message>
        <source>Indirizzo</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Registrazione</source>
        <translation>Recording</translation>
    </message>
    <message>
        <source>Sfoglia…</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Veloce</source>
        <translation>Fast</translation>
    </message>
</context>
<context>
    <name>TForm2</name>
    <message>
        <source>Orvane 2004 - BUSSOLA</source>
        <translation>Orvane 2004 - COMPASS</translation>
    </message>
    <message>
        <source>Introduci un valore angolare</source>
        <translation>Enter an angle</translation>
    </message>
    <message>
        <source>CONFERMA</source>
        <translation>CONFIRM</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Azzera</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>Gradi</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Primi</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Secondi</source>
        <translation>Seconds</translation>
    </message>
</context>
<context>
    <name>TForm3</name>
    <message>
        <source>Orvane 2004 - Solcometro</source>
        <translation>Orvane 2004 - Log</translation>
    </message>
    <message>
        <source>CONFERMA</source>
        <translation>CONFIRM</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>||Mg/h|NODI</source>
        <translation>||NM/h|KNOTS</translation>
    </message>
    <message>
        <source>Velocità</source>
        <translation>Speed</translation>
    </message>
</context>
<context>
    <name>TForm4</name>
    <message>
        <source>Valore fuori limite !</source>
        <translation>Value out of range!</translation>
    </message>
    <message>
        <source>Impossibile leggere %1: %2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1: %2</source>
        <translation>Cannot write %1: %2</translation>
    </message>
    <message>
        <source>Orvane2004 - Set Declinazione</source>
        <translation>Orvane2004 - Set Variation</translation>
    </message>
    <message>
        <source>  Dati indicati sulla carta nautica  </source>
        <translation>  Data printed on the chart  </translation>
    </message>
    <message>
        <source>Anno base</source>
        <translation>Base year</translation>
    </message>
    <message>
        <source>Anno corrente</source>
        <translation>Current year</translation>
    </message>
    <message>
        <source>  Declinazione base  </source>
        <translation>  Base variation  </translation>
    </message>
    <message>
        <source>  Variazione Annua  </source>
        <translation>  Annual change  </translation>
    </message>
    <message>
        <source>Aumento</source>
        <translation>Increase</translation>
    </message>
    <message>
        <source>Diminuzione</source>
        <translation>Decrease</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Salva Dati</source>
        <translation>Save Data</translation>
    </message>
    <message>
        <source>Declinazione</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>CONFERMA</source>
        <translation>CONFIRM</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Da posizione…</source>
        <translation>From position…</translation>
    </message>
    <message>
        <source>verso E</source>
        <translation>to E</translation>
    </message>
    <message>
        <source>verso W</source>
        <translation>to W</translation>
    </message>
    <message>
        <source>Da carta</source>
        <translation>From chart</translation>
    </message>
    <message>
        <source>Nota</source>
        <translation>Known</translation>
    </message>
</context>
<context>
    <name>TForm5</name>
    <message>
        <source>Posizione non valida !</source>
        <translation>Invalid position!</translation>
    </message>
    <message>
        <source>Posizione fuori limite !</source>
        <translation>Position out of range!</translation>
    </message>
    <message>
        <source>Data fuori dagli anni del modello (%1 - %2) !</source>
        <translation>Date outside the model&apos;s years (%1 - %2)!</translation>
    </message>
    <message>
        <source>Troppo vicino al polo magnetico: bussola inaffidabile !</source>
        <translation>Too near the magnetic pole: compass unreliable!</translation>
    </message>
    <message>
        <source>Modello magnetico non disponibile !</source>
        <translation>Magnetic model not available!</translation>
    </message>
    <message>
        <source>Declinazione %1° %2&apos;%3, %4&apos;%5 / anno (WMM2025)</source>
        <translation>Variation %1° %2&apos;%3, %4&apos;%5 a year (WMM2025)</translation>
    </message>
    <message>
        <source>Orvane2004 - Declinazione da posizione</source>
        <translation>Orvane2004 - Variation from position</translation>
    </message>
    <message>
        <source>Latitudine</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitudine</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>CONFERMA</source>
        <translation>CONFIRM</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Fuori dagli anni di validità (%1 - %2): meno preciso</source>
        <translation>Outside the valid years (%1 - %2): less accurate</translation>
    </message>
</context>
<context>
    <name>TForm6</name>
    <message>
        <source>&apos;%1&apos; è una cartella.</source>
        <translation>&apos;%1&apos; is a folder.</translation>
    </message>
    <message>
        <source>Orvane2004 - Tabella deviazioni</source>
        <translation>Orvane2004 - Deviation table</translation>
    </message>
    <message>
        <source>Aggiungi riga</source>
        <translation>Add row</translation>
    </message>
    <message>
        <source>Elimina righe</source>
        <translation>Delete rows</translation>
    </message>
    <message>
        <source>Ordina per prora</source>
        <translation>Sort by heading</translation>
    </message>
    <message>
        <source>Salva</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Righe: %1</source>
        <translation>Rows: %1</translation>
    </message>
    <message>
        <source>La tabella ha già %1 righe.</source>
        <translation>The table already has %1 rows.</translation>
    </message>
    <message>
        <source>Tabella non salvata in %1:
%2</source>
        <translation>Table not saved in %1:
%2</translation>
    </message>
    <message>
        <source>Salvata in %1</source>
        <translation>Saved in %1</translation>
    </message>
    <message>
        <source>Chiudere senza salvare le modifiche ?</source>
        <translation>Close without saving the changes?</translation>
    </message>
    <message>
        <source>Tabelle deviazioni (*.txt *.TXT);;Tutti i file (*)</source>
        <translation>Deviation tables (*.txt *.TXT);;All files (*)</translation>
    </message>
    <message>
        <source>la copia di riserva %1 non è stata scritta: %2</source>
        <translation>the backup copy %1 was not written: %2</translation>
    </message>
    <message>
        <source>il file non c&apos;è.</source>
        <translation>the file is not there.</translation>
    </message>
    <message>
        <source>non è un file.</source>
        <translation>it is not a file.</translation>
    </message>
    <message>
        <source>troppo grande (%1 byte): non è una tabella.</source>
        <translation>too large (%1 bytes): it is not a table.</translation>
    </message>
    <message>
        <source>nessuna riga &quot;prora;deviazione&quot;: non è una tabella.</source>
        <translation>no &quot;heading;deviation&quot; line: it is not a table.</translation>
    </message>
    <message>
        <source>Carica esempio…</source>
        <translation>Load example…</translation>
    </message>
    <message>
        <source>Ripristina</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Apri…</source>
        <translation>Open…</translation>
    </message>
    <message>
        <source>Salva con nome…</source>
        <translation>Save as…</translation>
    </message>
    <message>
        <source>Tabella di esempio</source>
        <translation>Sample table</translation>
    </message>
    <message>
        <source>Tabella d&apos;esame, carte 5/D e 42/D</source>
        <translation>Exam table, charts 5/D and 42/D</translation>
    </message>
    <message>
        <source>Righe da eliminare: %1 su %2. Eliminarle ?</source>
        <translation>Rows to delete: %1 of %2. Delete them?</translation>
    </message>
    <message>
        <source>Salva la tabella deviazioni con nome</source>
        <translation>Save the deviation table as</translation>
    </message>
    <message>
        <source>Tabella non letta da %1:
%2</source>
        <translation>Table not read from %1:
%2</translation>
    </message>
    <message>
        <source>Apri una tabella deviazioni</source>
        <translation>Open a deviation table</translation>
    </message>
    <message>
        <source>Tabella in uso: %1</source>
        <translation>Table in use: %1</translation>
    </message>
    <message>
        <source>Sostituire le righe mostrate con quelle della copia di riserva
%1 ?</source>
        <translation>Replace the rows shown with those of the backup copy
%1?</translation>
    </message>
    <message>
        <source>%1 righe da %2, non ancora salvate.</source>
        <translation>%1 rows from %2, not saved yet.</translation>
    </message>
    <message>
        <source>Le modifiche non salvate andranno perse. Continuare ?</source>
        <translation>The unsaved changes will be lost. Continue?</translation>
    </message>
    <message>
        <source>Tabella deviazioni</source>
        <translation>Deviation table</translation>
    </message>
</context>
<context>
    <name>TForm7</name>
    <message>
        <source>Con %1 prore distinte la curva non è determinata: i suoi 5 coefficienti chiedono almeno 5 prore.</source>
        <translation>With %1 distinct headings the curve is not determined: its 5 coefficients need at least 5 headings.</translation>
    </message>
    <message>
        <source>Prore troppo vicine tra loro: la curva non è determinata. Osservare prore distribuite su tutto l&apos;orizzonte.</source>
        <translation>Headings too close together: the curve is not determined. Observe headings spread all round the horizon.</translation>
    </message>
    <message>
        <source>Valore fuori limite !</source>
        <translation>Value out of range!</translation>
    </message>
    <message>
        <source>Orvane2004 - Giro bussola</source>
        <translation>Orvane2004 - Compass swing</translation>
    </message>
    <message>
        <source>Deviazioni osservate (da 5 a 36 prore)</source>
        <translation>Observed deviations (5 to 36 headings)</translation>
    </message>
    <message>
        <source>Aggiungi prora</source>
        <translation>Add heading</translation>
    </message>
    <message>
        <source>Elimina prore</source>
        <translation>Delete headings</translation>
    </message>
    <message>
        <source>Coefficienti</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Genera tabella</source>
        <translation>Make table</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Scrivere la deviazione osservata su ogni prora: almeno 5, meglio 8 o più, distribuite su tutto l&apos;orizzonte (%1 finora).</source>
        <translation>Enter the deviation observed on each heading: at least 5, better 8 or more, spread all round the horizon (%1 so far).</translation>
    </message>
    <message>
        <source>%1 prore, scarto quadratico medio %2°.</source>
        <translation>%1 headings, RMS residual %2°.</translation>
    </message>
    <message>
        <source>Al più %1 prore.</source>
        <translation>At most %1 headings.</translation>
    </message>
    <message>
        <source>Scarto massimo dalla media: prora %1, rotta %2.</source>
        <translation>Largest distance from the mean: heading %1, course %2.</translation>
    </message>
    <message>
        <source>Prora bussola %1: deviazione %2 (rotta magnetica %3, %4 nodi). %5</source>
        <translation>Compass heading %1: deviation %2 (magnetic course %3, %4 knots). %5</translation>
    </message>
    <message>
        <source> Prora da HDM: la bussola elettronica applica già la sua correzione.</source>
        <translation> Heading from HDM: the electronic compass already applies its own correction.</translation>
    </message>
    <message>
        <source>Da GPS</source>
        <translation>From GPS</translation>
    </message>
    <message>
        <source>Da GPS: tenere la prora ancora %1 s.</source>
        <translation>From GPS: hold the heading for %1 s more.</translation>
    </message>
    <message>
        <source>Nessuna prora dalla bussola (HDG o HDM) in %1 s: nessuna riga scritta.</source>
        <translation>No heading from the compass (HDG or HDM) in %1 s: no row written.</translation>
    </message>
    <message>
        <source>Nessuna rotta dal GPS (RMC o VTG) in %1 s: nessuna riga scritta.</source>
        <translation>No course from the GPS (RMC or VTG) in %1 s: no row written.</translation>
    </message>
    <message>
        <source>Velocità sul fondo %1 nodi: ne servono almeno %2. Nessuna riga scritta.</source>
        <translation>Speed over the ground %1 knots: at least %2 are needed. No row written.</translation>
    </message>
    <message>
        <source>La prora si è scostata più di %1 dalla media: tenerla ferma e ripetere. %2</source>
        <translation>The heading strayed more than %1 from its mean: hold it steady and try again. %2</translation>
    </message>
    <message>
        <source>La rotta sul fondo si è scostata più di %1 dalla media: con corrente o scarroccio la misura non vale. %2</source>
        <translation>The course over the ground strayed more than %1 from its mean: with current or leeway the reading is not valid. %2</translation>
    </message>
    <message>
        <source>Deviazione %1 oltre ±%2: controllare la declinazione e gli strumenti. Nessuna riga scritta.</source>
        <translation>Deviation %1 beyond ±%2: check the declination and the instruments. No row written.</translation>
    </message>
    <message>
        <source>Con acqua ferma e senza scarroccio: tenere la prora %1 s, la rotta del GPS dà la deviazione su quella prora.</source>
        <translation>In slack water and with no leeway: hold the heading for %1 s, the GPS course gives the deviation on that heading.</translation>
    </message>
</context>
<context>
    <name>TForm8</name>
    <message>
        <source>Orvane2004 - Curva delle deviazioni</source>
        <translation>Orvane2004 - Deviation curve</translation>
    </message>
    <message>
        <source>Coefficienti</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Imbarcazione</source>
        <translation>Vessel</translation>
    </message>
    <message>
        <source>Esporta PNG…</source>
        <translation>Export PNG…</translation>
    </message>
    <message>
        <source>Esporta PDF…</source>
        <translation>Export PDF…</translation>
    </message>
    <message>
        <source>Stampa…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>RMS = %1°</source>
        <translation>RMS = %1°</translation>
    </message>
    <message>
        <source>riga %1 (Pb %2°: %3, scarto %4)</source>
        <translation>row %1 (Hdg C %2°: %3, residual %4)</translation>
    </message>
    <message>
        <source>Nessuna riga sospetta: ogni riga sta entro 1° o entro tre volte lo scarto medio.</source>
        <translation>No suspect rows: every row lies within 1° or within three times the RMS residual.</translation>
    </message>
    <message>
        <source>Probabili errori di battitura: %1</source>
        <translation>Likely typing errors: %1</translation>
    </message>
    <message>
        <source>Tabella</source>
        <translation>Table</translation>
    </message>
    <message>
        <source>Righe sospette</source>
        <translation>Suspect rows</translation>
    </message>
    <message>
        <source>Curva</source>
        <translation>Curve</translation>
    </message>
    <message>
        <source>Prora bussola</source>
        <translation>Compass heading</translation>
    </message>
    <message>
        <source>Deviazione</source>
        <translation>Deviation</translation>
    </message>
    <message>
        <source>deviazioni</source>
        <translation>deviations</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <source>Esporta la tabella come immagine</source>
        <translation>Export the card as an image</translation>
    </message>
    <message>
        <source>Immagini PNG (*.png)</source>
        <translation>PNG images (*.png)</translation>
    </message>
    <message>
        <source>Esporta la tabella come PDF</source>
        <translation>Export the card as PDF</translation>
    </message>
    <message>
        <source>Documenti PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
    <message>
        <source>Stampa non riuscita.</source>
        <translation>Printing failed.</translation>
    </message>
</context>
<context>
    <name>TForm9</name>
    <message>
        <source>Dati insufficienti.</source>
        <translation>Not enough data.</translation>
    </message>
    <message>
        <source>Rilevamenti non validi.</source>
        <translation>Invalid bearings.</translation>
    </message>
    <message>
        <source>Traverso passato da</source>
        <translation>Abeam passed</translation>
    </message>
    <message>
        <source>Cammino al traverso</source>
        <translation>Run to abeam</translation>
    </message>
    <message>
        <source>Angolo doppio: distanza al 2° rilevamento = cammino.</source>
        <translation>Doubled angle: distance at the 2nd bearing = run.</translation>
    </message>
    <message>
        <source>45° e traverso: distanza al traverso = cammino.</source>
        <translation>45° and abeam: distance abeam = run.</translation>
    </message>
    <message>
        <source>22,5° e 45°: distanza al traverso ≈ 7/10 del cammino.</source>
        <translation>22.5° and 45°: distance abeam ≈ 7/10 of the run.</translation>
    </message>
    <message>
        <source>La rotta passa per il polo.</source>
        <translation>The rhumb line runs over the pole.</translation>
    </message>
    <message>
        <source>Caratteristica non riconosciuta.</source>
        <translation>Characteristic not recognised.</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Solve</translation>
    </message>
    <message>
        <source>Orvane 2004 - Navigazione costiera</source>
        <translation>Orvane 2004 - Coastal navigation</translation>
    </message>
    <message>
        <source>Traverso</source>
        <translation>Abeam</translation>
    </message>
    <message>
        <source>Lossodromia</source>
        <translation>Rhumb line</translation>
    </message>
    <message>
        <source>Fari</source>
        <translation>Lights</translation>
    </message>
    <message>
        <source>1° rilevamento polare</source>
        <translation>1st relative bearing</translation>
    </message>
    <message>
        <source>2° rilevamento polare</source>
        <translation>2nd relative bearing</translation>
    </message>
    <message>
        <source>Cammino tra i due</source>
        <translation>Run between them</translation>
    </message>
    <message>
        <source>miglia</source>
        <translation>miles</translation>
    </message>
    <message>
        <source>oppure minuti e nodi</source>
        <translation>or minutes and knots</translation>
    </message>
    <message>
        <source>Distanza al 2° ril.</source>
        <translation>Distance at 2nd</translation>
    </message>
    <message>
        <source>Distanza al traverso</source>
        <translation>Distance abeam</translation>
    </message>
    <message>
        <source>Punto di partenza</source>
        <translation>Departure point</translation>
    </message>
    <message>
        <source>Punto di arrivo</source>
        <translation>Arrival point</translation>
    </message>
    <message>
        <source>Rotta vera</source>
        <translation>True course</translation>
    </message>
    <message>
        <source>Distanza</source>
        <translation>Distance</translation>
    </message>
    <message>
        <source>Rotta magnetica</source>
        <translation>Magnetic course</translation>
    </message>
    <message>
        <source>Rotta bussola</source>
        <translation>Compass course</translation>
    </message>
    <message>
        <source>→ Prore</source>
        <translation>→ Headings</translation>
    </message>
    <message>
        <source>→ Correnti</source>
        <translation>→ Currents</translation>
    </message>
    <message>
        <source> Da un faro </source>
        <translation> From a light </translation>
    </message>
    <message>
        <source>Faro</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Ril. vero, distanza</source>
        <translation>True brg, distance</translation>
    </message>
    <message>
        <source>Altezza dell&apos;occhio</source>
        <translation>Height of eye</translation>
    </message>
    <message>
        <source>metri</source>
        <translation>metres</translation>
    </message>
    <message>
        <source>Altezza del faro</source>
        <translation>Height of light</translation>
    </message>
    <message>
        <source>Portata nominale</source>
        <translation>Nominal range</translation>
    </message>
    <message>
        <source>Caratteristica</source>
        <translation>Characteristic</translation>
    </message>
    <message>
        <source>Distanza dell&apos;orizzonte</source>
        <translation>Distance of horizon</translation>
    </message>
    <message>
        <source>Portata geografica</source>
        <translation>Geographic range</translation>
    </message>
    <message>
        <source>Visibile da</source>
        <translation>Seen from</translation>
    </message>
    <message>
        <source>d = %1 · (√h + √H), h e H in metri, d in miglia</source>
        <translation>d = %1 · (√h + √H), h and H in metres, d in miles</translation>
    </message>
    <message>
        <source>Lam.(2)10s42m18M</source>
        <translation>Fl(2)10s42m18M</translation>
    </message>
    <message>
        <source>Minuti</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Nodi</source>
        <translation>Knots</translation>
    </message>
    <message>
        <source>Rilevamento vero del faro</source>
        <translation>True bearing of the light</translation>
    </message>
    <message>
        <source>Distanza dal faro</source>
        <translation>Distance from the light</translation>
    </message>
</context>
<context>
    <name>TPositionEntry</name>
    <message>
        <source>Orvane 2004 - Posizione</source>
        <translation>Orvane 2004 - Position</translation>
    </message>
    <message>
        <source>Latitudine</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Longitudine</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>CONFERMA</source>
        <translation>CONFIRM</translation>
    </message>
    <message>
        <source>ANNULLA</source>
        <translation>CANCEL</translation>
    </message>
    <message>
        <source>Primi di latitudine</source>
        <translation>Minutes of latitude</translation>
    </message>
    <message>
        <source>Primi di longitudine</source>
        <translation>Minutes of longitude</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>il disco è pieno</source>
        <translation>the disk is full</translation>
    </message>
</context>
<context>
    <name>nav</name>
    <message>
        <source>Declinazione fuori limite in ORVAN_INI.INI</source>
        <translation>Variation out of range in ORVAN_INI.INI</translation>
    </message>
</context>
<context>
    <name>onboard::InstrumentLink</name>
    <message>
        <source>Connesso</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>In attesa…</source>
        <translation>Waiting…</translation>
    </message>
    <message>
        <source>Errore: %1</source>
        <translation>Error: %1</translation>
    </message>
    <message>
        <source>Disconnesso</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>connessione chiusa</source>
        <translation>connection closed</translation>
    </message>
    <message>
        <source>file troppo grande</source>
        <translation>file too large</translation>
    </message>
    <message>
        <source>file vuoto</source>
        <translation>empty file</translation>
    </message>
</context>
<context>
    <name>worksheet::LogFile</name>
    <message>
        <source>Il registro dei calcoli %1 non si legge: è stato messo da parte come %2, e il registro riparte vuoto.</source>
        <translation>The calculation log %1 cannot be read: it has been set aside as %2, and the log starts empty.</translation>
    </message>
    <message>
        <source>Impossibile scrivere %1:
%2</source>
        <translation>Cannot write %1:
%2</translation>
    </message>
    <message>
        <source>Il registro dei calcoli %1 non si legge e non si può mettere da parte: resta com&apos;è, e fino al prossimo avvio i calcoli non vi saranno scritti.</source>
        <translation>The calculation log %1 cannot be read nor set aside: it is left as it is, and no calculation is written to it until the next start.</translation>
    </message>
    <message>
        <source>Il registro dei calcoli %1 è aperto da un&apos;altra copia del programma: i calcoli di questa copia si vedono ma non vi saranno scritti.</source>
        <translation>The calculation log %1 is open in another copy of the program: this copy&apos;s calculations are shown but will not be written to it.</translation>
    </message>
    <message>
        <source>Il registro dei calcoli %1 non si apre: resta com&apos;è, e fino al prossimo avvio i calcoli non vi saranno scritti.</source>
        <translation>The calculation log %1 cannot be opened: it is left as it is, and until the next start calculations will not be written to it.</translation>
    </message>
</context>
</TS>
