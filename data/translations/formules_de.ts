<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Calculs de résonance, de réactance et de bobines pour la radio.</source>
        <translation>Berechnungen von Schwingkreisen, Blindwiderständen und Spulen für den Funk.</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>adresse</source>
        <translation>Adresse</translation>
    </message>
    <message>
        <source>l&apos;adresse d&apos;un calcul, telle que la page la montre, ou sa seule partie après « # » : le programme s&apos;ouvre sur ce calcul</source>
        <translation>die Adresse einer Berechnung, wie die Seite sie zeigt, oder nur ihr Teil nach „#“: das Programm öffnet sich mit dieser Berechnung</translation>
    </message>
    <message>
        <source>Une adresse de calcul pour chaque calculatrice :</source>
        <translation>Eine Berechnungsadresse für jeden Rechner:</translation>
    </message>
</context>
<context>
    <name>Formules</name>
    <message>
        <source>Formules</source>
        <extracomment>the title of every message box, Form1 menu entry Formule, access key F in French: mark the translation&apos;s key with &amp;, Form7 Label7 (label, 4335 x 615 twips), Form8&apos;s caption</extracomment>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Erreur - Valeurs hors limites - Recommencez</source>
        <extracomment>a message box</extracomment>
        <translation>Fehler - Werte außerhalb des Bereichs - Bitte neu eingeben</translation>
    </message>
    <message>
        <source>Formules de VELDRAN</source>
        <extracomment>Form1&apos;s caption</extracomment>
        <translation>Formeln von VELDRAN</translation>
    </message>
    <message>
        <source>Formules - Radio</source>
        <extracomment>Form1 Label1 (label, 4575 x 495 twips)</extracomment>
        <translation>Formeln - Funk</translation>
    </message>
    <message>
        <source>Fréquence - Inductance - Capacité</source>
        <extracomment>Form1 Command1 (button, 3135 x 495 twips)</extracomment>
        <translation>LC-Schwingkreis</translation>
    </message>
    <message>
        <source>Réactance de Self</source>
        <extracomment>Form1 Command2 (button, 3135 x 495 twips)</extracomment>
        <translation>Induktiver Blindwiderstand</translation>
    </message>
    <message>
        <source>Réactance de Capacité</source>
        <extracomment>Form1 Command3 (button, 3135 x 495 twips)</extracomment>
        <translation>Kapazitiver Blindwiderstand</translation>
    </message>
    <message>
        <source>Calcul nombre de spires</source>
        <extracomment>Form1 Command4 (button, 3135 x 495 twips)</extracomment>
        <translation>Windungszahl berechnen</translation>
    </message>
    <message>
        <source>Calcul Inductance d&apos;aprés nbre sp</source>
        <extracomment>Form1 Command5 (button, 3135 x 495 twips)</extracomment>
        <translation>Induktivität aus Windungszahl</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>Form1 Command6 (button, 1215 x 495 twips)</extracomment>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>à propos de...</source>
        <extracomment>Form1 menu entry Infos, access key p in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Über...</translation>
    </message>
    <message>
        <source>Réactance d&apos;une self</source>
        <extracomment>Form2&apos;s caption</extracomment>
        <translation>Blindwiderstand einer Spule</translation>
    </message>
    <message>
        <source>                   Entrez la  fréquence et l&apos;inductance</source>
        <extracomment>Form2 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                                Frequenz und Induktivität eingeben</translation>
    </message>
    <message>
        <source>Consigne</source>
        <extracomment>what a screen reader says for Form2 Text4 (box, 5775 x 495 twips), what a screen reader says for Form3 Text4 (box, 5775 x 495 twips), what a screen reader says for Form4 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>Anweisung</translation>
    </message>
    <message>
        <source>Frequence en Khz</source>
        <extracomment>Form2 Label1 (label, 2340 x 210 twips), what a screen reader says for Form2 Text1 (box, 4035 x 390 twips), Form3 Label4 (label, 2340 x 210 twips), what a screen reader says for Form3 Text1 (box, 4035 x 390 twips), Form4 Label1 (label, 2340 x 210 twips), what a screen reader says for Form4 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Frequenz in kHz</translation>
    </message>
    <message>
        <source>Inductance en micro henry</source>
        <extracomment>Form2 Label2 (label, 2340 x 210 twips), what a screen reader says for Form2 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Induktivität in µH</translation>
    </message>
    <message>
        <source>Réactance en ohms</source>
        <extracomment>Form2 Label3 (label, 2340 x 210 twips), Form3 Label3 (label, 2340 x 210 twips)</extracomment>
        <translation>Blindwiderstand in Ohm</translation>
    </message>
    <message>
        <source>Résultat : Réactance en ohms</source>
        <extracomment>what a screen reader says for Form2 Text3 (box, 4035 x 390 twips), what a screen reader says for Form3 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Ergebnis: Blindwiderstand in Ohm</translation>
    </message>
    <message>
        <source>Calcul</source>
        <extracomment>Form2 Command1 (button, 1335 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form3 Command1 (button, 1335 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form4 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form5 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form6 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form9 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Effacer</source>
        <extracomment>Form2 Command3 (button, 1335 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form3 Command3 (button, 1335 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form4 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form5 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form6 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form9 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Form2 Command2 (button, 1335 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form3 Command2 (button, 1335 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form4 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form5 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form6 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form9 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Menü</translation>
    </message>
    <message>
        <source>Entrez les valeurs de fréquence et d&apos;inductance</source>
        <extracomment>a message box of Form2</extracomment>
        <translation>Frequenz und Induktivität eingeben</translation>
    </message>
    <message>
        <source>Réactance d&apos;un condensateur</source>
        <extracomment>Form3&apos;s caption</extracomment>
        <translation>Blindwiderstand eines Kondensators</translation>
    </message>
    <message>
        <source>                   Entrez la  fréquence et la capacité</source>
        <extracomment>Form3 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                                  Frequenz und Kapazität eingeben</translation>
    </message>
    <message>
        <source>Capacité en picofarad</source>
        <extracomment>Form3 Label2 (label, 2340 x 210 twips), what a screen reader says for Form3 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Kapazität in pF</translation>
    </message>
    <message>
        <source>Entrez les valeurs de fréquence et de capacité</source>
        <extracomment>a message box of Form3</extracomment>
        <translation>Frequenz und Kapazität eingeben</translation>
    </message>
    <message>
        <source>Calculs</source>
        <extracomment>Form4&apos;s caption</extracomment>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>               Entrez deux valeurs pour obtenir la troisième</source>
        <extracomment>Form4 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                     Zwei Werte eingeben, um den dritten zu erhalten</translation>
    </message>
    <message>
        <source>Capacite en pf</source>
        <extracomment>Form4 Label10 (label, 2340 x 210 twips), what a screen reader says for Form4 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Kapazität in pF</translation>
    </message>
    <message>
        <source>Inductance en microH</source>
        <extracomment>Form4 Label2 (label, 2340 x 210 twips), what a screen reader says for Form4 Text3 (box, 4035 x 390 twips), Form5 Label2 (label, 2340 x 210 twips), what a screen reader says for Form5 Text1 (box, 4035 x 390 twips), Form6 Label2 (label, 2340 x 210 twips), Form9 Label2 (label, 2340 x 210 twips), what a screen reader says for Form9 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Induktivität in µH</translation>
    </message>
    <message>
        <source>Erreur - Entrer deux valeurs seulement</source>
        <extracomment>a message box of Form4</extracomment>
        <translation>Fehler - Nur zwei Werte eingeben</translation>
    </message>
    <message>
        <source>Calcul du nobre de spires d&apos;une bobine</source>
        <extracomment>Form5&apos;s caption</extracomment>
        <translation>Windungszahl einer Spule</translation>
    </message>
    <message>
        <source> Entrez l&apos;inductance, le diamètre et la longueur de la bobine</source>
        <extracomment>Form5 Label5 (label, 5775 x 255 twips)</extracomment>
        <translation>Induktivität, Durchmesser und Länge der Spule eingeben</translation>
    </message>
    <message>
        <source>Diamétre en centimètres</source>
        <extracomment>Form5 Label1 (label, 2340 x 210 twips), what a screen reader says for Form5 Text2 (box, 4035 x 390 twips), Form6 Label1 (label, 2340 x 210 twips), what a screen reader says for Form6 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Durchmesser in cm</translation>
    </message>
    <message>
        <source>Longueur bobine en cm</source>
        <extracomment>Form5 Label10 (label, 2340 x 210 twips), what a screen reader says for Form5 Text3 (box, 4035 x 390 twips), Form6 Label10 (label, 2340 x 210 twips), what a screen reader says for Form6 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Spulenlänge in cm</translation>
    </message>
    <message>
        <source>Nombre de spires:</source>
        <extracomment>Form5 Label3 (label, 2295 x 255 twips), Form6 Label3 (label, 2295 x 255 twips)</extracomment>
        <translation>Windungszahl:</translation>
    </message>
    <message>
        <source>Résultat:</source>
        <extracomment>Form5 Label4 (label, 1215 x 255 twips)</extracomment>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Résultat : Nombre de spires</source>
        <extracomment>what a screen reader says for Form5 Text5 (box, 3975 x 375 twips)</extracomment>
        <translation>Ergebnis: Windungszahl</translation>
    </message>
    <message>
        <source>Entrez les 3 valeurs: inductance, diamètre, et longueur  </source>
        <extracomment>a message box of Form5</extracomment>
        <translation>Die 3 Werte eingeben: Induktivität, Durchmesser und Länge</translation>
    </message>
    <message>
        <source>Calcul de l&apos;Inductance d&apos;une bobine</source>
        <extracomment>Form6&apos;s caption</extracomment>
        <translation>Induktivität einer Spule</translation>
    </message>
    <message>
        <source>Entrez le diamètre, la longueur et le nombre de spires de la bobine</source>
        <extracomment>Form6 Label5 (label, 5775 x 255 twips)</extracomment>
        <translation>Durchmesser, Länge und Windungszahl der Spule eingeben,</translation>
    </message>
    <message>
        <source>   pour obtenir l&apos;inductance en microhenrys</source>
        <extracomment>Form6 Label6 (label, 5775 x 255 twips)</extracomment>
        <translation>um die Induktivität in Mikrohenry zu erhalten</translation>
    </message>
    <message>
        <source>Nombre de spires</source>
        <extracomment>what a screen reader says for Form6 Text3 (box, 4035 x 390 twips), Form9 Label3 (label, 2340 x 210 twips), what a screen reader says for Form9 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Windungszahl</translation>
    </message>
    <message>
        <source> Résultat:</source>
        <extracomment>Form6 Label4 (label, 1215 x 255 twips)</extracomment>
        <translation>Ergebnis:</translation>
    </message>
    <message>
        <source>Résultat : Inductance en microH</source>
        <extracomment>what a screen reader says for Form6 Text5 (box, 3975 x 375 twips)</extracomment>
        <translation>Ergebnis: Induktivität in µH</translation>
    </message>
    <message>
        <source>Entrez les 3 valeurs: diamètre, longueur et nombre spires </source>
        <extracomment>a message box of Form6</extracomment>
        <translation>Die 3 Werte eingeben: Durchmesser, Länge und Windungszahl</translation>
    </message>
    <message>
        <source>Formules de Veldran</source>
        <extracomment>Form7&apos;s caption</extracomment>
        <translation>Formeln von Veldran</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Form7 Label1 (label, 4335 x 375 twips)</extracomment>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Programme écrit en C++</source>
        <extracomment>Form7 Label4 (label, 4335 x 495 twips)</extracomment>
        <translation>Programm in C++ geschrieben</translation>
    </message>
    <message>
        <source>par l&apos;équipe de Formules</source>
        <extracomment>Form7 Label5 (label, 4335 x 495 twips)</extracomment>
        <translation>vom Formeln-Team</translation>
    </message>
    <message>
        <source>Calculs pour radioamateurs</source>
        <extracomment>Form7 Label9 (label, 4335 x 375 twips)</extracomment>
        <translation>Berechnungen für Funkamateure</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes a message box, Form7 Command1 (button, 1215 x 495 twips), Form8 Command1 (button, 1215 x 495 twips)</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Fréquence = 159154.943 / (Sqr(inductance * capacité))</source>
        <extracomment>Form8 Label1 (label, 6855 x 375 twips)</extracomment>
        <translation>Frequenz = 159154,943 / (sqrt(Induktivität * Kapazität))</translation>
    </message>
    <message>
        <source>Khz - MicroH - Pf </source>
        <extracomment>Form8 Label8 (label, 2655 x 375 twips)</extracomment>
        <translation>kHz - µH - pF</translation>
    </message>
    <message>
        <source>Inductance= 253.3 * 10 ^ 8 / ((freq * frequence) * capacité)</source>
        <extracomment>Form8 Label2 (label, 6855 x 375 twips)</extracomment>
        <translation>Induktivität= 253,3 * 10 ^ 8 / ((Freq * Frequenz) * Kapazität)</translation>
    </message>
    <message>
        <source>MicroH - Khz - Pf</source>
        <extracomment>Form8 Label9 (label, 2655 x 375 twips)</extracomment>
        <translation>µH - kHz - pF</translation>
    </message>
    <message>
        <source>Capacité= 253.3 * 10 ^ 8 / ((frequence ^ 2) * Inductance)</source>
        <extracomment>Form8 Label3 (label, 6855 x 375 twips)</extracomment>
        <translation>Kapazität= 253,3 * 10 ^ 8 / ((Frequenz ^ 2) * Induktivität)</translation>
    </message>
    <message>
        <source>Pf - Khz - MicroH</source>
        <extracomment>Form8 Label10 (label, 2655 x 375 twips)</extracomment>
        <translation>pF - kHz - µH</translation>
    </message>
    <message>
        <source>XL=  (2 * 3.1416 * frequence * inductance) / 1000</source>
        <extracomment>Form8 Label4 (label, 6855 x 375 twips)</extracomment>
        <translation>XL=  (2 * 3,1416 * Frequenz * Induktivität) / 1000</translation>
    </message>
    <message>
        <source>Ohms -  Khz - MicroH</source>
        <extracomment>Form8 Label11 (label, 2655 x 375 twips)</extracomment>
        <translation>Ohm - kHz - µH</translation>
    </message>
    <message>
        <source>XC= 1000000000 / (2 * 3.1416 * frequence * capacité)</source>
        <extracomment>Form8 Label5 (label, 6855 x 375 twips)</extracomment>
        <translation>XC= 1000000000 / (2 * 3,1416 * Frequenz * Kapazität)</translation>
    </message>
    <message>
        <source>Ohms - Khz - Pf</source>
        <extracomment>Form8 Label12 (label, 2655 x 375 twips)</extracomment>
        <translation>Ohm - kHz - pF</translation>
    </message>
    <message>
        <source>NbreSp = Sqr (( inductance * (( 100 * l ) + ( 45 * d ))) / d ^ 2)</source>
        <extracomment>Form8 Label6 (label, 6855 x 375 twips)</extracomment>
        <translation>N = sqrt (( Induktivität * (( 100 * l ) + ( 45 * d ))) / d ^ 2)</translation>
    </message>
    <message>
        <source>MicroH - Centimètres</source>
        <extracomment>Form8 Label13 (label, 2655 x 375 twips), Form8 Label14 (label, 2655 x 375 twips)</extracomment>
        <translation>µH - cm</translation>
    </message>
    <message>
        <source>Inductance  =  ( d ^ 2 ) * ( NbreSp ^ 2 ) / (( 100 * l ) + ( 45 * d ))</source>
        <extracomment>Form8 Label7 (label, 6855 x 375 twips)</extracomment>
        <translation>Induktivität  =  ( d ^ 2 ) * ( N ^ 2 ) / (( 100 * l ) + ( 45 * d ))</translation>
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
        <translation>%1 Windungen → %2 µH; Steigung %3 mm</translation>
    </message>
    <message>
        <source>l/D = %1 ; Nagaoka : %2 spires</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>l/D = %1; Nagaoka: %2 Windungen</translation>
    </message>
    <message>
        <source>Bobine courte : préférer la valeur de Nagaoka</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Kurze Spule: den Nagaoka-Wert vorziehen</translation>
    </message>
    <message>
        <source>Aide : le pas du bobinage, l/D et l&apos;inductance selon la formule exacte de la nappe de courant (coefficient de Nagaoka)</source>
        <extracomment>the tooltip of Form6 Label11 (label, 6765 x 1560 twips)</extracomment>
        <translation>Hilfe: die Steigung der Wicklung, l/D und die Induktivität nach der exakten Stromschicht-Formel (Nagaoka-Koeffizient)</translation>
    </message>
    <message>
        <source>pas %1 mm ; l/D = %2 ; Nagaoka : %3 µH</source>
        <extracomment>a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Steigung %1 mm; l/D = %2; Nagaoka: %3 µH</translation>
    </message>
    <message>
        <source>Fermer</source>
        <extracomment>the close button of a window&apos;s title bar in a web page</extracomment>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Le programme est terminé.</source>
        <extracomment>what a web page says once the program has ended</extracomment>
        <translation>Das Programm ist beendet.</translation>
    </message>
    <message>
        <source>Relancer le programme</source>
        <extracomment>the button of that web page that starts the program again</extracomment>
        <translation>Programm neu starten</translation>
    </message>
    <message>
        <source>Valeur non comprise : « %1 » (%2)</source>
        <extracomment>a message box: %1 is the text typed, %2 the name of its box&apos;s quantity</extracomment>
        <translation>Wert nicht verstanden: „%1“ (%2)</translation>
    </message>
    <message>
        <source>fréquence</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>capacité</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>inductance</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>Induktivität</translation>
    </message>
    <message>
        <source>diamètre</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>longueur</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>Länge</translation>
    </message>
    <message>
        <source>nombre de spires</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>Windungszahl</translation>
    </message>
    <message>
        <source>Lu : %1</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Gelesen: %1</translation>
    </message>
    <message>
        <source>Lu : %1 ; %2</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Gelesen: %1; %2</translation>
    </message>
    <message>
        <source>Lu : %1 ; %2 ; %3</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Gelesen: %1; %2; %3</translation>
    </message>
    <message>
        <source>Aide : ce que le calcul a lu avec une unité, un code ou des virgules de milliers, dans l&apos;unité de la case</source>
        <extracomment>the tooltip of Form2 Label11 (label, 5775 x 600 twips), the tooltip of Form3 Label11 (label, 5775 x 480 twips)</extracomment>
        <translation>Hilfe: was die Berechnung mit einer Einheit, einem Bauteilcode oder Tausenderkommas gelesen hat, in der Einheit des Feldes</translation>
    </message>
    <message>
        <source>Aide : les valeurs E12 voisines de la capacité ou de l&apos;inductance trouvée et la fréquence que donne chacune, puis une paire qui la compose (condensateurs en parallèle, selfs en série) ; la longueur d&apos;onde d&apos;une fréquence trouvée</source>
        <extracomment>the tooltip of Form4 Label11 (label, 5775 x 1095 twips)</extracomment>
        <translation>Hilfe: die benachbarten E12-Werte der berechneten Kapazität oder Induktivität und die Frequenz, die jeder ergibt, dann ein Paar, das sie bildet (Kondensatoren parallel, Spulen in Reihe); die Wellenlänge einer berechneten Frequenz</translation>
    </message>
    <message>
        <source>Aide : l&apos;inductance que donnent les spires entières, le pas du bobinage, l/D et le nombre de spires selon la formule exacte de la nappe de courant (coefficient de Nagaoka)</source>
        <extracomment>the tooltip of Form5 Label11 (label, 6750 x 1560 twips)</extracomment>
        <translation>Hilfe: die Induktivität der ganzen Windungen, die Steigung der Wicklung, l/D und die Windungszahl nach der exakten Stromschicht-Formel (Nagaoka-Koeffizient)</translation>
    </message>
    <message>
        <source>Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; kHz si rien n&apos;est indiqué ; codes k, M et G : 7M1 = 7,1 MHz
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form2 Text1 (box, 4035 x 390 twips), the tooltip of Form3 Text1 (box, 4035 x 390 twips), the tooltip of Form4 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Einheiten: Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G); kHz, wenn keine angegeben ist; Codes k, M und G: 7M1 = 7,1 MHz
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : nH (n), µH (uH, µ, u), mH (m), H ; µH si rien n&apos;est indiqué ; codes n, u (µ), m et R : 4R7 = 4,7 µH
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form2 Text2 (box, 4035 x 390 twips), the tooltip of Form4 Text3 (box, 4035 x 390 twips), the tooltip of Form5 Text1 (box, 4035 x 390 twips), the tooltip of Form9 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Einheiten: nH (n), µH (uH, µ, u), mH (m), H; µH, wenn keine angegeben ist; Codes n, u (µ), m und R: 4R7 = 4,7 µH
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : pF (p), nF (n), µF (uF, µ, u), F ; pF si rien n&apos;est indiqué ; codes p, n et u (µ) : 4n7 = 4,7 nF
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form3 Text2 (box, 4035 x 390 twips), the tooltip of Form4 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Einheiten: pF (p), nF (n), µF (uF, µ, u), F; pF, wenn keine angegeben ist; Codes p, n und u (µ): 4n7 = 4,7 nF
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : mm, cm, m, in (&quot;), ft ; cm si rien n&apos;est indiqué
Diamètre de la bobine, mesuré au centre du fil (le diamètre du mandrin plus celui d&apos;un fil)
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text2 (box, 4035 x 390 twips), the tooltip of Form6 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Einheiten: mm, cm, m, in (&quot;), ft; cm, wenn keine angegeben ist
Durchmesser der Spule, bis zur Drahtmitte gemessen (Spulenkörper plus eine Drahtstärke)
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : mm, cm, m, in (&quot;), ft ; cm si rien n&apos;est indiqué
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text3 (box, 4035 x 390 twips), the tooltip of Form6 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Einheiten: mm, cm, m, in (&quot;), ft; cm, wenn keine angegeben ist
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form6 Text3 (box, 4035 x 390 twips), the tooltip of Form9 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Fil émaillé : %1 mm ou AWG %2 au plus ; %3 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Kupferlackdraht: höchstens %1 mm oder AWG %2; %3 cm Draht</translation>
    </message>
    <message>
        <source>Fil émaillé : %1 mm au plus ; %2 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Kupferlackdraht: höchstens %1 mm; %2 cm Draht</translation>
    </message>
    <message>
        <source>Fil émaillé : AWG %1 au plus ; %2 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Kupferlackdraht: höchstens AWG %1; %2 cm Draht</translation>
    </message>
    <message>
        <source>Fil émaillé : pas plus fin que le plus fin des fils ; %1 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Kupferlackdraht: Steigung feiner als der feinste Draht; %1 cm Draht</translation>
    </message>
    <message>
        <source>Capacité propre : %1 pF ; résonance propre : %2 MHz (Knight)</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Eigenkapazität: %1 pF; Eigenresonanz: %2 MHz (Knight)</translation>
    </message>
    <message>
        <source>Bobine sur tore</source>
        <extracomment>Form1 Command7 (button, 3135 x 495 twips)</extracomment>
        <translation>Spule auf Ringkern</translation>
    </message>
    <message>
        <source>Bobine sur un tore</source>
        <extracomment>Form9&apos;s caption</extracomment>
        <translation>Spule auf einem Ringkern</translation>
    </message>
    <message>
        <source>Entrez deux des trois : le tore, l&apos;inductance, le nombre de spires</source>
        <extracomment>Form9 Label5 (label, 6030 x 255 twips)</extracomment>
        <translation>Zwei der drei eingeben: Kern, Induktivität, Windungszahl</translation>
    </message>
    <message>
        <source>Tore (T50-2, FT37-43…) ou AL</source>
        <extracomment>Form9 Label1 (label, 4035 x 210 twips), what a screen reader says for Form9 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Kern (T50-2, FT37-43…) oder AL</translation>
    </message>
    <message>
        <source>Un tore de la liste par son nom (T50-2, FT37-43…), ou son AL et son unité : 4,9 nH par spire², 49 µH/100 pour 100 spires, 350 mH/1000 pour 1000 spires
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form9 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Ein Kern der Liste mit seinem Namen (T50-2, FT37-43…) oder sein AL mit Einheit: 4,9 nH je Windung², 49 µH/100 für 100 Windungen, 350 mH/1000 für 1000 Windungen
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Aide : le tore, son AL dans les trois unités et sa tolérance ; l&apos;inductance des spires entières ; les tores de la liste qu&apos;un AL mesuré désigne ; le fil le plus gros qui tient en une couche</source>
        <extracomment>the tooltip of Form9 Label11 (label, 6750 x 2520 twips)</extracomment>
        <translation>Hilfe: der Kern, sein AL in den drei Einheiten und seine Toleranz; die Induktivität der ganzen Windungen; die Kerne der Liste, auf die ein gemessener AL weist; der dickste Draht, der in eine Lage passt</translation>
    </message>
    <message>
        <source>Il faut deux des trois valeurs : le tore, l&apos;inductance, le nombre de spires</source>
        <extracomment>a message box of Form9</extracomment>
        <translation>Zwei der drei Werte sind nötig: Kern, Induktivität, Windungszahl</translation>
    </message>
    <message>
        <source>%1 : poudre de fer, mélange %2 (%3) ; AL %4 µH/100 sp = %5 nH/sp² ± %6 % ; Ø %7 × %8 × %9 mm</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1: Eisenpulver, Mischung %2 (%3); AL %4 µH/100 Wdg. = %5 nH/Wdg.² ± %6 %; Ø %7 × %8 × %9 mm</translation>
    </message>
    <message>
        <source>%1 : ferrite %2 ; AL %3 nH/sp² = %4 mH/1000 sp ± %5 % ; Ø %6 × %7 × %8 mm</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1: Ferrit %2; AL %3 nH/Wdg.² = %4 mH/1000 Wdg. ± %5 %; Ø %6 × %7 × %8 mm</translation>
    </message>
    <message>
        <source>AL %1 µH/100 sp = %2 nH/sp² = %3 mH/1000 sp</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>AL %1 µH/100 Wdg. = %2 nH/Wdg.² = %3 mH/1000 Wdg.</translation>
    </message>
    <message>
        <source>Ferrite %1 : AL valable sous 1 MHz environ ; au-dessus, pour selfs de choc et transformateurs large bande, pas pour circuits accordés</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Ferrit %1: AL gilt unter etwa 1 MHz; darüber für Drosseln und Breitbandübertrager, nicht für Schwingkreise</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH (%3 à %4 µH) ; exact %5</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 Windungen → %2 µH (%3 bis %4 µH); genau %5</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH ; exact %3</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 Windungen → %2 µH; genau %3</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH (%3 à %4 µH)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 Windungen → %2 µH (%3 bis %4 µH)</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 Windungen → %2 µH</translation>
    </message>
    <message>
        <source>Moins d&apos;une spire : un tore de plus faible AL</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Weniger als eine Windung: ein Kern mit kleinerem AL</translation>
    </message>
    <message>
        <source>Tores possibles : %1</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Mögliche Kerne: %1</translation>
    </message>
    <message>
        <source>Tores possibles : aucun tore de la liste</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Mögliche Kerne: keiner der Liste</translation>
    </message>
    <message>
        <source>Une couche : fil de %1 mm ou AWG %2 au plus ; %3 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Eine Lage: höchstens %1 mm oder AWG %2; %3 cm Draht (ohne Anschlüsse)</translation>
    </message>
    <message>
        <source>Une couche : fil de %1 mm au plus ; %2 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Eine Lage: höchstens %1 mm; %2 cm Draht (ohne Anschlüsse)</translation>
    </message>
    <message>
        <source>Une couche : AWG %1 au plus ; %2 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Eine Lage: höchstens AWG %1; %2 cm Draht (ohne Anschlüsse)</translation>
    </message>
    <message>
        <source>Une couche : aucun fil de la liste ; %1 spires demandent plusieurs couches</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Eine Lage: kein Draht der Liste; %1 Windungen brauchen mehrere Lagen</translation>
    </message>
    <message>
        <source>rouge</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>rot</translation>
    </message>
    <message>
        <source>jaune</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>gelb</translation>
    </message>
    <message>
        <source>bleu</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>blau</translation>
    </message>
    <message>
        <source>noir</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>schwarz</translation>
    </message>
    <message>
        <source>bleu et jaune</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>blau und gelb</translation>
    </message>
    <message>
        <source>beige</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>beige</translation>
    </message>
    <message>
        <source>tore</source>
        <extracomment>what a box of Form9 holds, as the message of a text not understood names it (%2)</extracomment>
        <translation>Kern</translation>
    </message>
    <message>
        <source>Fréquence d&apos;usage en kHz (facultatif)</source>
        <extracomment>Form5 Label12 (label, 4035 x 210 twips), what a screen reader says for Form5 Text6 (box, 4035 x 390 twips), Form6 Label12 (label, 4035 x 210 twips), what a screen reader says for Form6 Text6 (box, 4035 x 390 twips)</extracomment>
        <translation>Betriebsfrequenz in kHz (freiwillig)</translation>
    </message>
    <message>
        <source>Facultatif : la fréquence où la bobine travaillera ; elle ne sert qu&apos;à la ligne de son Q dans l&apos;aide
Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; kHz si rien n&apos;est indiqué ; codes k, M et G : 7M1 = 7,1 MHz
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text6 (box, 4035 x 390 twips), the tooltip of Form6 Text6 (box, 4035 x 390 twips)</extracomment>
        <translation>Freiwillig: die Frequenz, bei der die Spule arbeiten wird; sie dient nur der Zeile ihrer Güte Q in der Hilfe
Einheiten: Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G); kHz, wenn keine angegeben ist; Codes k, M und G: 7M1 = 7,1 MHz
Werden Ergebnisse mit Punkt geschrieben, trennt ein Komma die Tausender: 14,230 = 14230</translation>
    </message>
    <message>
        <source>À %1 kHz : Q ≈ %2 ; résistance ≈ %3 Ω ; bande passante ≈ %4 kHz (Medhurst, fil %5 mm)</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Bei %1 kHz: Güte Q ≈ %2; Widerstand ≈ %3 Ω; Bandbreite ≈ %4 kHz (Medhurst, Draht %5 mm)</translation>
    </message>
    <message>
        <source>À %1 kHz : au-delà de la résonance propre, la bobine n&apos;est plus une inductance</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Bei %1 kHz: oberhalb der Eigenresonanz ist die Spule keine Induktivität mehr</translation>
    </message>
    <message>
        <source>Fréquence d&apos;usage hors limites</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Betriebsfrequenz außerhalb der Grenzen</translation>
    </message>
    <message>
        <source>fréquence d&apos;usage</source>
        <extracomment>what a box of Form5 holds, as the message of a text not understood names it (%2), what a box of Form6 holds, as the message of a text not understood names it (%2)</extracomment>
        <translation>Betriebsfrequenz</translation>
    </message>
</context>
</TS>
