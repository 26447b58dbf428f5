<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Calculs de résonance, de réactance et de bobines pour la radio.</source>
        <translation>Calcoli di risonanza, reattanza e bobine per la radio.</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>argomento inatteso: %1</translation>
    </message>
    <message>
        <source>adresse</source>
        <translation>indirizzo</translation>
    </message>
    <message>
        <source>l&apos;adresse d&apos;un calcul, telle que la page la montre, ou sa seule partie après « # » : le programme s&apos;ouvre sur ce calcul</source>
        <translation>l&apos;indirizzo di un calcolo, come lo mostra la pagina, o solo la sua parte dopo «#»: il programma si apre su quel calcolo</translation>
    </message>
    <message>
        <source>Une adresse de calcul pour chaque calculatrice :</source>
        <translation>Un indirizzo di calcolo per ogni calcolatrice:</translation>
    </message>
</context>
<context>
    <name>Formules</name>
    <message>
        <source>Formules</source>
        <extracomment>the title of every message box, Form1 menu entry Formule, access key F in French: mark the translation&apos;s key with &amp;, Form7 Label7 (label, 4335 x 615 twips), Form8&apos;s caption</extracomment>
        <translation>Formule</translation>
    </message>
    <message>
        <source>Erreur - Valeurs hors limites - Recommencez</source>
        <extracomment>a message box</extracomment>
        <translation>Errore - Valori fuori intervallo - Riprovare</translation>
    </message>
    <message>
        <source>Formules de VELDRAN</source>
        <extracomment>Form1&apos;s caption</extracomment>
        <translation>Formule di VELDRAN</translation>
    </message>
    <message>
        <source>Formules - Radio</source>
        <extracomment>Form1 Label1 (label, 4575 x 495 twips)</extracomment>
        <translation>Formule - Radio</translation>
    </message>
    <message>
        <source>Fréquence - Inductance - Capacité</source>
        <extracomment>Form1 Command1 (button, 3135 x 495 twips)</extracomment>
        <translation>Circuito risonante LC</translation>
    </message>
    <message>
        <source>Réactance de Self</source>
        <extracomment>Form1 Command2 (button, 3135 x 495 twips)</extracomment>
        <translation>Reattanza induttiva</translation>
    </message>
    <message>
        <source>Réactance de Capacité</source>
        <extracomment>Form1 Command3 (button, 3135 x 495 twips)</extracomment>
        <translation>Reattanza capacitiva</translation>
    </message>
    <message>
        <source>Calcul nombre de spires</source>
        <extracomment>Form1 Command4 (button, 3135 x 495 twips)</extracomment>
        <translation>Calcolo numero di spire</translation>
    </message>
    <message>
        <source>Calcul Inductance d&apos;aprés nbre sp</source>
        <extracomment>Form1 Command5 (button, 3135 x 495 twips)</extracomment>
        <translation>Induttanza dalle spire</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>Form1 Command6 (button, 1215 x 495 twips)</extracomment>
        <translation>Esci</translation>
    </message>
    <message>
        <source>à propos de...</source>
        <extracomment>Form1 menu entry Infos, access key p in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Informazioni...</translation>
    </message>
    <message>
        <source>Réactance d&apos;une self</source>
        <extracomment>Form2&apos;s caption</extracomment>
        <translation>Reattanza di un induttore</translation>
    </message>
    <message>
        <source>                   Entrez la  fréquence et l&apos;inductance</source>
        <extracomment>Form2 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                                 Inserire la frequenza e l&apos;induttanza</translation>
    </message>
    <message>
        <source>Consigne</source>
        <extracomment>what a screen reader says for Form2 Text4 (box, 5775 x 495 twips), what a screen reader says for Form3 Text4 (box, 5775 x 495 twips), what a screen reader says for Form4 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>Istruzione</translation>
    </message>
    <message>
        <source>Frequence en Khz</source>
        <extracomment>Form2 Label1 (label, 2340 x 210 twips), what a screen reader says for Form2 Text1 (box, 4035 x 390 twips), Form3 Label4 (label, 2340 x 210 twips), what a screen reader says for Form3 Text1 (box, 4035 x 390 twips), Form4 Label1 (label, 2340 x 210 twips), what a screen reader says for Form4 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Frequenza in kHz</translation>
    </message>
    <message>
        <source>Inductance en micro henry</source>
        <extracomment>Form2 Label2 (label, 2340 x 210 twips), what a screen reader says for Form2 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Induttanza in µH</translation>
    </message>
    <message>
        <source>Réactance en ohms</source>
        <extracomment>Form2 Label3 (label, 2340 x 210 twips), Form3 Label3 (label, 2340 x 210 twips)</extracomment>
        <translation>Reattanza in ohm</translation>
    </message>
    <message>
        <source>Résultat : Réactance en ohms</source>
        <extracomment>what a screen reader says for Form2 Text3 (box, 4035 x 390 twips), what a screen reader says for Form3 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Risultato: reattanza in ohm</translation>
    </message>
    <message>
        <source>Calcul</source>
        <extracomment>Form2 Command1 (button, 1335 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form3 Command1 (button, 1335 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form4 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form5 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form6 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form9 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Effacer</source>
        <extracomment>Form2 Command3 (button, 1335 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form3 Command3 (button, 1335 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form4 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form5 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form6 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form9 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Form2 Command2 (button, 1335 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form3 Command2 (button, 1335 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form4 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form5 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form6 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form9 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Menu</translation>
    </message>
    <message>
        <source>Entrez les valeurs de fréquence et d&apos;inductance</source>
        <extracomment>a message box of Form2</extracomment>
        <translation>Inserire la frequenza e l&apos;induttanza</translation>
    </message>
    <message>
        <source>Réactance d&apos;un condensateur</source>
        <extracomment>Form3&apos;s caption</extracomment>
        <translation>Reattanza di un condensatore</translation>
    </message>
    <message>
        <source>                   Entrez la  fréquence et la capacité</source>
        <extracomment>Form3 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                                  Inserire la frequenza e la capacità</translation>
    </message>
    <message>
        <source>Capacité en picofarad</source>
        <extracomment>Form3 Label2 (label, 2340 x 210 twips), what a screen reader says for Form3 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Capacità in pF</translation>
    </message>
    <message>
        <source>Entrez les valeurs de fréquence et de capacité</source>
        <extracomment>a message box of Form3</extracomment>
        <translation>Inserire la frequenza e la capacità</translation>
    </message>
    <message>
        <source>Calculs</source>
        <extracomment>Form4&apos;s caption</extracomment>
        <translation>Calcoli</translation>
    </message>
    <message>
        <source>               Entrez deux valeurs pour obtenir la troisième</source>
        <extracomment>Form4 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                              Inserire due valori per ottenere il terzo</translation>
    </message>
    <message>
        <source>Capacite en pf</source>
        <extracomment>Form4 Label10 (label, 2340 x 210 twips), what a screen reader says for Form4 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Capacità in pF</translation>
    </message>
    <message>
        <source>Inductance en microH</source>
        <extracomment>Form4 Label2 (label, 2340 x 210 twips), what a screen reader says for Form4 Text3 (box, 4035 x 390 twips), Form5 Label2 (label, 2340 x 210 twips), what a screen reader says for Form5 Text1 (box, 4035 x 390 twips), Form6 Label2 (label, 2340 x 210 twips), Form9 Label2 (label, 2340 x 210 twips), what a screen reader says for Form9 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Induttanza in µH</translation>
    </message>
    <message>
        <source>Erreur - Entrer deux valeurs seulement</source>
        <extracomment>a message box of Form4</extracomment>
        <translation>Errore - Inserire solo due valori</translation>
    </message>
    <message>
        <source>Calcul du nobre de spires d&apos;une bobine</source>
        <extracomment>Form5&apos;s caption</extracomment>
        <translation>Numero di spire di una bobina</translation>
    </message>
    <message>
        <source> Entrez l&apos;inductance, le diamètre et la longueur de la bobine</source>
        <extracomment>Form5 Label5 (label, 5775 x 255 twips)</extracomment>
        <translation>Inserire l&apos;induttanza, il diametro e la lunghezza della bobina</translation>
    </message>
    <message>
        <source>Diamétre en centimètres</source>
        <extracomment>Form5 Label1 (label, 2340 x 210 twips), what a screen reader says for Form5 Text2 (box, 4035 x 390 twips), Form6 Label1 (label, 2340 x 210 twips), what a screen reader says for Form6 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Diametro in cm</translation>
    </message>
    <message>
        <source>Longueur bobine en cm</source>
        <extracomment>Form5 Label10 (label, 2340 x 210 twips), what a screen reader says for Form5 Text3 (box, 4035 x 390 twips), Form6 Label10 (label, 2340 x 210 twips), what a screen reader says for Form6 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Lunghezza bobina in cm</translation>
    </message>
    <message>
        <source>Nombre de spires:</source>
        <extracomment>Form5 Label3 (label, 2295 x 255 twips), Form6 Label3 (label, 2295 x 255 twips)</extracomment>
        <translation>Numero di spire:</translation>
    </message>
    <message>
        <source>Résultat:</source>
        <extracomment>Form5 Label4 (label, 1215 x 255 twips)</extracomment>
        <translation>Risultato:</translation>
    </message>
    <message>
        <source>Résultat : Nombre de spires</source>
        <extracomment>what a screen reader says for Form5 Text5 (box, 3975 x 375 twips)</extracomment>
        <translation>Risultato: numero di spire</translation>
    </message>
    <message>
        <source>Entrez les 3 valeurs: inductance, diamètre, et longueur  </source>
        <extracomment>a message box of Form5</extracomment>
        <translation>Inserire i 3 valori: induttanza, diametro e lunghezza</translation>
    </message>
    <message>
        <source>Calcul de l&apos;Inductance d&apos;une bobine</source>
        <extracomment>Form6&apos;s caption</extracomment>
        <translation>Induttanza di una bobina</translation>
    </message>
    <message>
        <source>Entrez le diamètre, la longueur et le nombre de spires de la bobine</source>
        <extracomment>Form6 Label5 (label, 5775 x 255 twips)</extracomment>
        <translation>Inserire il diametro, la lunghezza e il numero di spire della bobina</translation>
    </message>
    <message>
        <source>   pour obtenir l&apos;inductance en microhenrys</source>
        <extracomment>Form6 Label6 (label, 5775 x 255 twips)</extracomment>
        <translation>per ottenere l&apos;induttanza in microhenry</translation>
    </message>
    <message>
        <source>Nombre de spires</source>
        <extracomment>what a screen reader says for Form6 Text3 (box, 4035 x 390 twips), Form9 Label3 (label, 2340 x 210 twips), what a screen reader says for Form9 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Numero di spire</translation>
    </message>
    <message>
        <source> Résultat:</source>
        <extracomment>Form6 Label4 (label, 1215 x 255 twips)</extracomment>
        <translation>Risultato:</translation>
    </message>
    <message>
        <source>Résultat : Inductance en microH</source>
        <extracomment>what a screen reader says for Form6 Text5 (box, 3975 x 375 twips)</extracomment>
        <translation>Risultato: induttanza in µH</translation>
    </message>
    <message>
        <source>Entrez les 3 valeurs: diamètre, longueur et nombre spires </source>
        <extracomment>a message box of Form6</extracomment>
        <translation>Inserire i 3 valori: diametro, lunghezza e numero di spire</translation>
    </message>
    <message>
        <source>Formules de Veldran</source>
        <extracomment>Form7&apos;s caption</extracomment>
        <translation>Formule di Veldran</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Form7 Label1 (label, 4335 x 375 twips)</extracomment>
        <translation>INFORMAZIONI</translation>
    </message>
    <message>
        <source>Programme écrit en C++</source>
        <extracomment>Form7 Label4 (label, 4335 x 495 twips)</extracomment>
        <translation>Programma scritto in C++</translation>
    </message>
    <message>
        <source>par l&apos;équipe de Formules</source>
        <extracomment>Form7 Label5 (label, 4335 x 495 twips)</extracomment>
        <translation>dal team di Formule</translation>
    </message>
    <message>
        <source>Calculs pour radioamateurs</source>
        <extracomment>Form7 Label9 (label, 4335 x 375 twips)</extracomment>
        <translation>Calcoli per radioamatori</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes a message box, Form7 Command1 (button, 1215 x 495 twips), Form8 Command1 (button, 1215 x 495 twips)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fréquence = 159154.943 / (Sqr(inductance * capacité))</source>
        <extracomment>Form8 Label1 (label, 6855 x 375 twips)</extracomment>
        <translation>Frequenza = 159154,943 / (sqrt(induttanza * capacità))</translation>
    </message>
    <message>
        <source>Khz - MicroH - Pf </source>
        <extracomment>Form8 Label8 (label, 2655 x 375 twips)</extracomment>
        <translation>kHz - µH - pF</translation>
    </message>
    <message>
        <source>Inductance= 253.3 * 10 ^ 8 / ((freq * frequence) * capacité)</source>
        <extracomment>Form8 Label2 (label, 6855 x 375 twips)</extracomment>
        <translation>Induttanza= 253,3 * 10 ^ 8 / ((freq * frequenza) * capacità)</translation>
    </message>
    <message>
        <source>MicroH - Khz - Pf</source>
        <extracomment>Form8 Label9 (label, 2655 x 375 twips)</extracomment>
        <translation>µH - kHz - pF</translation>
    </message>
    <message>
        <source>Capacité= 253.3 * 10 ^ 8 / ((frequence ^ 2) * Inductance)</source>
        <extracomment>Form8 Label3 (label, 6855 x 375 twips)</extracomment>
        <translation>Capacità= 253,3 * 10 ^ 8 / ((frequenza ^ 2) * Induttanza)</translation>
    </message>
    <message>
        <source>Pf - Khz - MicroH</source>
        <extracomment>Form8 Label10 (label, 2655 x 375 twips)</extracomment>
        <translation>pF - kHz - µH</translation>
    </message>
    <message>
        <source>XL=  (2 * 3.1416 * frequence * inductance) / 1000</source>
        <extracomment>Form8 Label4 (label, 6855 x 375 twips)</extracomment>
        <translation>XL=  (2 * 3,1416 * frequenza * induttanza) / 1000</translation>
    </message>
    <message>
        <source>Ohms -  Khz - MicroH</source>
        <extracomment>Form8 Label11 (label, 2655 x 375 twips)</extracomment>
        <translation>Ohm - kHz - µH</translation>
    </message>
    <message>
        <source>XC= 1000000000 / (2 * 3.1416 * frequence * capacité)</source>
        <extracomment>Form8 Label5 (label, 6855 x 375 twips)</extracomment>
        <translation>XC= 1000000000 / (2 * 3,1416 * frequenza * capacità)</translation>
    </message>
    <message>
        <source>Ohms - Khz - Pf</source>
        <extracomment>Form8 Label12 (label, 2655 x 375 twips)</extracomment>
        <translation>Ohm - kHz - pF</translation>
    </message>
    <message>
        <source>NbreSp = Sqr (( inductance * (( 100 * l ) + ( 45 * d ))) / d ^ 2)</source>
        <extracomment>Form8 Label6 (label, 6855 x 375 twips)</extracomment>
        <translation>Spire = sqrt (( induttanza * (( 100 * l ) + ( 45 * d ))) / d ^ 2)</translation>
    </message>
    <message>
        <source>MicroH - Centimètres</source>
        <extracomment>Form8 Label13 (label, 2655 x 375 twips), Form8 Label14 (label, 2655 x 375 twips)</extracomment>
        <translation>µH - cm</translation>
    </message>
    <message>
        <source>Inductance  =  ( d ^ 2 ) * ( NbreSp ^ 2 ) / (( 100 * l ) + ( 45 * d ))</source>
        <extracomment>Form8 Label7 (label, 6855 x 375 twips)</extracomment>
        <translation>Induttanza  =  ( d ^ 2 ) * ( Spire ^ 2 ) / (( 100 * l ) + ( 45 * d ))</translation>
    </message>
    <message>
        <source>E12 : %1 pF → %2 kHz ; %3 pF → %4 kHz</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>E12: %1 pF → %2 kHz; %3 pF → %4 kHz</translation>
    </message>
    <message>
        <source>%1 pF + %2 pF → %3 kHz</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 pF + %2 pF → %3 kHz</translation>
    </message>
    <message>
        <source>E12 : %1 pF → %2 kHz</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>E12: %1 pF → %2 kHz</translation>
    </message>
    <message>
        <source>E12 : %1 µH → %2 kHz ; %3 µH → %4 kHz</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>E12: %1 µH → %2 kHz; %3 µH → %4 kHz</translation>
    </message>
    <message>
        <source>%1 µH + %2 µH → %3 kHz</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 µH + %2 µH → %3 kHz</translation>
    </message>
    <message>
        <source>E12 : %1 µH → %2 kHz</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>E12: %1 µH → %2 kHz</translation>
    </message>
    <message>
        <source>λ = %1 m</source>
        <extracomment>a line of Form4 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>λ = %1 m</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH ; pas %3 mm</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 spire → %2 µH; passo %3 mm</translation>
    </message>
    <message>
        <source>l/D = %1 ; Nagaoka : %2 spires</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>l/D = %1; Nagaoka: %2 spire</translation>
    </message>
    <message>
        <source>Bobine courte : préférer la valeur de Nagaoka</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Bobina corta: preferire il valore di Nagaoka</translation>
    </message>
    <message>
        <source>Aide : le pas du bobinage, l/D et l&apos;inductance selon la formule exacte de la nappe de courant (coefficient de Nagaoka)</source>
        <extracomment>the tooltip of Form6 Label11 (label, 6765 x 1560 twips)</extracomment>
        <translation>Aiuto: il passo dell&apos;avvolgimento, l/D e l&apos;induttanza secondo la formula esatta della lamina di corrente (coefficiente di Nagaoka)</translation>
    </message>
    <message>
        <source>pas %1 mm ; l/D = %2 ; Nagaoka : %3 µH</source>
        <extracomment>a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>passo %1 mm; l/D = %2; Nagaoka: %3 µH</translation>
    </message>
    <message>
        <source>Fermer</source>
        <extracomment>the close button of a window&apos;s title bar in a web page</extracomment>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Le programme est terminé.</source>
        <extracomment>what a web page says once the program has ended</extracomment>
        <translation>Il programma è terminato.</translation>
    </message>
    <message>
        <source>Relancer le programme</source>
        <extracomment>the button of that web page that starts the program again</extracomment>
        <translation>Riavvia il programma</translation>
    </message>
    <message>
        <source>Valeur non comprise : « %1 » (%2)</source>
        <extracomment>a message box: %1 is the text typed, %2 the name of its box&apos;s quantity</extracomment>
        <translation>Valore non compreso: «%1» (%2)</translation>
    </message>
    <message>
        <source>fréquence</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>frequenza</translation>
    </message>
    <message>
        <source>capacité</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>capacità</translation>
    </message>
    <message>
        <source>inductance</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>induttanza</translation>
    </message>
    <message>
        <source>diamètre</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>diametro</translation>
    </message>
    <message>
        <source>longueur</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>lunghezza</translation>
    </message>
    <message>
        <source>nombre de spires</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>numero di spire</translation>
    </message>
    <message>
        <source>Lu : %1</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Letto: %1</translation>
    </message>
    <message>
        <source>Lu : %1 ; %2</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Letto: %1; %2</translation>
    </message>
    <message>
        <source>Lu : %1 ; %2 ; %3</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Letto: %1; %2; %3</translation>
    </message>
    <message>
        <source>Aide : ce que le calcul a lu avec une unité, un code ou des virgules de milliers, dans l&apos;unité de la case</source>
        <extracomment>the tooltip of Form2 Label11 (label, 5775 x 600 twips), the tooltip of Form3 Label11 (label, 5775 x 480 twips)</extracomment>
        <translation>Aiuto: ciò che il calcolo ha letto con un&apos;unità, un codice o le virgole delle migliaia, nell&apos;unità della casella</translation>
    </message>
    <message>
        <source>Aide : les valeurs E12 voisines de la capacité ou de l&apos;inductance trouvée et la fréquence que donne chacune, puis une paire qui la compose (condensateurs en parallèle, selfs en série) ; la longueur d&apos;onde d&apos;une fréquence trouvée</source>
        <extracomment>the tooltip of Form4 Label11 (label, 5775 x 1095 twips)</extracomment>
        <translation>Aiuto: i valori E12 più vicini alla capacità o all&apos;induttanza trovata e la frequenza che dà ciascuno, poi una coppia che la compone (condensatori in parallelo, induttori in serie); la lunghezza d&apos;onda di una frequenza trovata</translation>
    </message>
    <message>
        <source>Aide : l&apos;inductance que donnent les spires entières, le pas du bobinage, l/D et le nombre de spires selon la formule exacte de la nappe de courant (coefficient de Nagaoka)</source>
        <extracomment>the tooltip of Form5 Label11 (label, 6750 x 1560 twips)</extracomment>
        <translation>Aiuto: l&apos;induttanza data dalle spire intere, il passo dell&apos;avvolgimento, l/D e il numero di spire secondo la formula esatta della lamina di corrente (coefficiente di Nagaoka)</translation>
    </message>
    <message>
        <source>Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; kHz si rien n&apos;est indiqué ; codes k, M et G : 7M1 = 7,1 MHz
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form2 Text1 (box, 4035 x 390 twips), the tooltip of Form3 Text1 (box, 4035 x 390 twips), the tooltip of Form4 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Unità: Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G); kHz se non indicata; codici k, M e G: 7M1 = 7,1 MHz
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : nH (n), µH (uH, µ, u), mH (m), H ; µH si rien n&apos;est indiqué ; codes n, u (µ), m et R : 4R7 = 4,7 µH
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form2 Text2 (box, 4035 x 390 twips), the tooltip of Form4 Text3 (box, 4035 x 390 twips), the tooltip of Form5 Text1 (box, 4035 x 390 twips), the tooltip of Form9 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Unità: nH (n), µH (uH, µ, u), mH (m), H; µH se non indicata; codici n, u (µ), m e R: 4R7 = 4,7 µH
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : pF (p), nF (n), µF (uF, µ, u), F ; pF si rien n&apos;est indiqué ; codes p, n et u (µ) : 4n7 = 4,7 nF
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form3 Text2 (box, 4035 x 390 twips), the tooltip of Form4 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Unità: pF (p), nF (n), µF (uF, µ, u), F; pF se non indicata; codici p, n e u (µ): 4n7 = 4,7 nF
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : mm, cm, m, in (&quot;), ft ; cm si rien n&apos;est indiqué
Diamètre de la bobine, mesuré au centre du fil (le diamètre du mandrin plus celui d&apos;un fil)
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text2 (box, 4035 x 390 twips), the tooltip of Form6 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Unità: mm, cm, m, in (&quot;), ft; cm se non indicata
Diametro della bobina, misurato al centro del filo (il diametro del supporto più quello di un filo)
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : mm, cm, m, in (&quot;), ft ; cm si rien n&apos;est indiqué
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text3 (box, 4035 x 390 twips), the tooltip of Form6 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Unità: mm, cm, m, in (&quot;), ft; cm se non indicata
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form6 Text3 (box, 4035 x 390 twips), the tooltip of Form9 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Fil émaillé : %1 mm ou AWG %2 au plus ; %3 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Filo smaltato: %1 mm o AWG %2 al massimo; %3 cm di filo</translation>
    </message>
    <message>
        <source>Fil émaillé : %1 mm au plus ; %2 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Filo smaltato: %1 mm al massimo; %2 cm di filo</translation>
    </message>
    <message>
        <source>Fil émaillé : AWG %1 au plus ; %2 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Filo smaltato: AWG %1 al massimo; %2 cm di filo</translation>
    </message>
    <message>
        <source>Fil émaillé : pas plus fin que le plus fin des fils ; %1 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Filo smaltato: passo più fine del filo più fine; %1 cm di filo</translation>
    </message>
    <message>
        <source>Capacité propre : %1 pF ; résonance propre : %2 MHz (Knight)</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Capacità propria: %1 pF; risonanza propria: %2 MHz (Knight)</translation>
    </message>
    <message>
        <source>Bobine sur tore</source>
        <extracomment>Form1 Command7 (button, 3135 x 495 twips)</extracomment>
        <translation>Bobina su toroide</translation>
    </message>
    <message>
        <source>Bobine sur un tore</source>
        <extracomment>Form9&apos;s caption</extracomment>
        <translation>Bobina su un toroide</translation>
    </message>
    <message>
        <source>Entrez deux des trois : le tore, l&apos;inductance, le nombre de spires</source>
        <extracomment>Form9 Label5 (label, 6030 x 255 twips)</extracomment>
        <translation>Inserire due dei tre: il nucleo, l&apos;induttanza, il numero di spire</translation>
    </message>
    <message>
        <source>Tore (T50-2, FT37-43…) ou AL</source>
        <extracomment>Form9 Label1 (label, 4035 x 210 twips), what a screen reader says for Form9 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Nucleo (T50-2, FT37-43…) o AL</translation>
    </message>
    <message>
        <source>Un tore de la liste par son nom (T50-2, FT37-43…), ou son AL et son unité : 4,9 nH par spire², 49 µH/100 pour 100 spires, 350 mH/1000 pour 1000 spires
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form9 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Un nucleo della lista per nome (T50-2, FT37-43…), o il suo AL con l&apos;unità: 4,9 nH per spira², 49 µH/100 per 100 spire, 350 mH/1000 per 1000 spire
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Aide : le tore, son AL dans les trois unités et sa tolérance ; l&apos;inductance des spires entières ; les tores de la liste qu&apos;un AL mesuré désigne ; le fil le plus gros qui tient en une couche</source>
        <extracomment>the tooltip of Form9 Label11 (label, 6750 x 2520 twips)</extracomment>
        <translation>Aiuto: il nucleo, il suo AL nelle tre unità e la sua tolleranza; l&apos;induttanza delle spire intere; i nuclei della lista indicati da un AL misurato; il filo più grosso che entra in uno strato</translation>
    </message>
    <message>
        <source>Il faut deux des trois valeurs : le tore, l&apos;inductance, le nombre de spires</source>
        <extracomment>a message box of Form9</extracomment>
        <translation>Servono due dei tre valori: il nucleo, l&apos;induttanza, il numero di spire</translation>
    </message>
    <message>
        <source>%1 : poudre de fer, mélange %2 (%3) ; AL %4 µH/100 sp = %5 nH/sp² ± %6 % ; Ø %7 × %8 × %9 mm</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1: polvere di ferro, miscela %2 (%3); AL %4 µH/100 sp = %5 nH/sp² ± %6 %; Ø %7 × %8 × %9 mm</translation>
    </message>
    <message>
        <source>%1 : ferrite %2 ; AL %3 nH/sp² = %4 mH/1000 sp ± %5 % ; Ø %6 × %7 × %8 mm</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1: ferrite %2; AL %3 nH/sp² = %4 mH/1000 sp ± %5 %; Ø %6 × %7 × %8 mm</translation>
    </message>
    <message>
        <source>AL %1 µH/100 sp = %2 nH/sp² = %3 mH/1000 sp</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>AL %1 µH/100 sp = %2 nH/sp² = %3 mH/1000 sp</translation>
    </message>
    <message>
        <source>Ferrite %1 : AL valable sous 1 MHz environ ; au-dessus, pour selfs de choc et transformateurs large bande, pas pour circuits accordés</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Ferrite %1: AL valido sotto 1 MHz circa; sopra, per impedenze e trasformatori a larga banda, non per circuiti accordati</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH (%3 à %4 µH) ; exact %5</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 spire → %2 µH (da %3 a %4 µH); esatto %5</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH ; exact %3</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 spire → %2 µH; esatto %3</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH (%3 à %4 µH)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 spire → %2 µH (da %3 a %4 µH)</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 spire → %2 µH</translation>
    </message>
    <message>
        <source>Moins d&apos;une spire : un tore de plus faible AL</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Meno di una spira: un nucleo con AL più basso</translation>
    </message>
    <message>
        <source>Tores possibles : %1</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Nuclei possibili: %1</translation>
    </message>
    <message>
        <source>Tores possibles : aucun tore de la liste</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Nuclei possibili: nessuno della lista</translation>
    </message>
    <message>
        <source>Une couche : fil de %1 mm ou AWG %2 au plus ; %3 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Uno strato: filo da %1 mm o AWG %2 al massimo; %3 cm di filo (esclusi i terminali)</translation>
    </message>
    <message>
        <source>Une couche : fil de %1 mm au plus ; %2 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Uno strato: filo da %1 mm al massimo; %2 cm di filo (esclusi i terminali)</translation>
    </message>
    <message>
        <source>Une couche : AWG %1 au plus ; %2 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Uno strato: AWG %1 al massimo; %2 cm di filo (esclusi i terminali)</translation>
    </message>
    <message>
        <source>Une couche : aucun fil de la liste ; %1 spires demandent plusieurs couches</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Uno strato: nessun filo della lista; %1 spire richiedono più strati</translation>
    </message>
    <message>
        <source>rouge</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>rosso</translation>
    </message>
    <message>
        <source>jaune</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>giallo</translation>
    </message>
    <message>
        <source>bleu</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>blu</translation>
    </message>
    <message>
        <source>noir</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>nero</translation>
    </message>
    <message>
        <source>bleu et jaune</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>blu e giallo</translation>
    </message>
    <message>
        <source>beige</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>beige</translation>
    </message>
    <message>
        <source>tore</source>
        <extracomment>what a box of Form9 holds, as the message of a text not understood names it (%2)</extracomment>
        <translation>nucleo</translation>
    </message>
    <message>
        <source>Fréquence d&apos;usage en kHz (facultatif)</source>
        <extracomment>Form5 Label12 (label, 4035 x 210 twips), what a screen reader says for Form5 Text6 (box, 4035 x 390 twips), Form6 Label12 (label, 4035 x 210 twips), what a screen reader says for Form6 Text6 (box, 4035 x 390 twips)</extracomment>
        <translation>Frequenza di lavoro in kHz (facoltativa)</translation>
    </message>
    <message>
        <source>Facultatif : la fréquence où la bobine travaillera ; elle ne sert qu&apos;à la ligne de son Q dans l&apos;aide
Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; kHz si rien n&apos;est indiqué ; codes k, M et G : 7M1 = 7,1 MHz
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text6 (box, 4035 x 390 twips), the tooltip of Form6 Text6 (box, 4035 x 390 twips)</extracomment>
        <translation>Facoltativa: la frequenza a cui lavorerà la bobina; serve solo alla riga del suo Q nell&apos;aiuto
Unità: Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G); kHz se non indicata; codici k, M e G: 7M1 = 7,1 MHz
Se i risultati sono scritti con il punto, la virgola separa le migliaia: 14,230 = 14230</translation>
    </message>
    <message>
        <source>À %1 kHz : Q ≈ %2 ; résistance ≈ %3 Ω ; bande passante ≈ %4 kHz (Medhurst, fil %5 mm)</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>A %1 kHz: Q ≈ %2; resistenza ≈ %3 Ω; larghezza di banda ≈ %4 kHz (Medhurst, filo da %5 mm)</translation>
    </message>
    <message>
        <source>À %1 kHz : au-delà de la résonance propre, la bobine n&apos;est plus une inductance</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>A %1 kHz: oltre la risonanza propria, la bobina non è più un&apos;induttanza</translation>
    </message>
    <message>
        <source>Fréquence d&apos;usage hors limites</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Frequenza di lavoro fuori dai limiti</translation>
    </message>
    <message>
        <source>fréquence d&apos;usage</source>
        <extracomment>what a box of Form5 holds, as the message of a text not understood names it (%2), what a box of Form6 holds, as the message of a text not understood names it (%2)</extracomment>
        <translation>frequenza di lavoro</translation>
    </message>
</context>
</TS>
