<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Calculs de résonance, de réactance et de bobines pour la radio.</source>
        <translation>Cálculos de resonancia, reactancia y bobinas para radio.</translation>
    </message>
    <message>
        <source>argument inattendu : %1</source>
        <translation>argumento inesperado: %1</translation>
    </message>
    <message>
        <source>adresse</source>
        <translation>dirección</translation>
    </message>
    <message>
        <source>l&apos;adresse d&apos;un calcul, telle que la page la montre, ou sa seule partie après « # » : le programme s&apos;ouvre sur ce calcul</source>
        <translation>la dirección de un cálculo, tal como la muestra la página, o solo su parte tras «#»: el programa se abre con ese cálculo</translation>
    </message>
    <message>
        <source>Une adresse de calcul pour chaque calculatrice :</source>
        <translation>Una dirección de cálculo para cada calculadora:</translation>
    </message>
</context>
<context>
    <name>Formules</name>
    <message>
        <source>Formules</source>
        <extracomment>the title of every message box, Form1 menu entry Formule, access key F in French: mark the translation&apos;s key with &amp;, Form7 Label7 (label, 4335 x 615 twips), Form8&apos;s caption</extracomment>
        <translation>Fórmulas</translation>
    </message>
    <message>
        <source>Erreur - Valeurs hors limites - Recommencez</source>
        <extracomment>a message box</extracomment>
        <translation>Error - Valores fuera de rango - Vuelva a intentarlo</translation>
    </message>
    <message>
        <source>Formules de VELDRAN</source>
        <extracomment>Form1&apos;s caption</extracomment>
        <translation>Fórmulas de VELDRAN</translation>
    </message>
    <message>
        <source>Formules - Radio</source>
        <extracomment>Form1 Label1 (label, 4575 x 495 twips)</extracomment>
        <translation>Fórmulas - Radio</translation>
    </message>
    <message>
        <source>Fréquence - Inductance - Capacité</source>
        <extracomment>Form1 Command1 (button, 3135 x 495 twips)</extracomment>
        <translation>Circuito resonante LC</translation>
    </message>
    <message>
        <source>Réactance de Self</source>
        <extracomment>Form1 Command2 (button, 3135 x 495 twips)</extracomment>
        <translation>Reactancia inductiva</translation>
    </message>
    <message>
        <source>Réactance de Capacité</source>
        <extracomment>Form1 Command3 (button, 3135 x 495 twips)</extracomment>
        <translation>Reactancia capacitiva</translation>
    </message>
    <message>
        <source>Calcul nombre de spires</source>
        <extracomment>Form1 Command4 (button, 3135 x 495 twips)</extracomment>
        <translation>Calcular número de espiras</translation>
    </message>
    <message>
        <source>Calcul Inductance d&apos;aprés nbre sp</source>
        <extracomment>Form1 Command5 (button, 3135 x 495 twips)</extracomment>
        <translation>Inductancia según espiras</translation>
    </message>
    <message>
        <source>Quitter</source>
        <extracomment>Form1 Command6 (button, 1215 x 495 twips)</extracomment>
        <translation>Salir</translation>
    </message>
    <message>
        <source>à propos de...</source>
        <extracomment>Form1 menu entry Infos, access key p in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Réactance d&apos;une self</source>
        <extracomment>Form2&apos;s caption</extracomment>
        <translation>Reactancia de una bobina</translation>
    </message>
    <message>
        <source>                   Entrez la  fréquence et l&apos;inductance</source>
        <extracomment>Form2 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                            Introduzca la frecuencia y la inductancia</translation>
    </message>
    <message>
        <source>Consigne</source>
        <extracomment>what a screen reader says for Form2 Text4 (box, 5775 x 495 twips), what a screen reader says for Form3 Text4 (box, 5775 x 495 twips), what a screen reader says for Form4 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>Instrucción</translation>
    </message>
    <message>
        <source>Frequence en Khz</source>
        <extracomment>Form2 Label1 (label, 2340 x 210 twips), what a screen reader says for Form2 Text1 (box, 4035 x 390 twips), Form3 Label4 (label, 2340 x 210 twips), what a screen reader says for Form3 Text1 (box, 4035 x 390 twips), Form4 Label1 (label, 2340 x 210 twips), what a screen reader says for Form4 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Frecuencia en kHz</translation>
    </message>
    <message>
        <source>Inductance en micro henry</source>
        <extracomment>Form2 Label2 (label, 2340 x 210 twips), what a screen reader says for Form2 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Inductancia en µH</translation>
    </message>
    <message>
        <source>Réactance en ohms</source>
        <extracomment>Form2 Label3 (label, 2340 x 210 twips), Form3 Label3 (label, 2340 x 210 twips)</extracomment>
        <translation>Reactancia en ohmios</translation>
    </message>
    <message>
        <source>Résultat : Réactance en ohms</source>
        <extracomment>what a screen reader says for Form2 Text3 (box, 4035 x 390 twips), what a screen reader says for Form3 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Resultado: reactancia en ohmios</translation>
    </message>
    <message>
        <source>Calcul</source>
        <extracomment>Form2 Command1 (button, 1335 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form3 Command1 (button, 1335 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form4 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form5 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form6 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;, Form9 Command1 (button, 1215 x 495 twips), access key C in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Effacer</source>
        <extracomment>Form2 Command3 (button, 1335 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form3 Command3 (button, 1335 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form4 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form5 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form6 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;, Form9 Command3 (button, 1215 x 495 twips), access key E in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Menu</source>
        <extracomment>Form2 Command2 (button, 1335 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form3 Command2 (button, 1335 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form4 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form5 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form6 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;, Form9 Command2 (button, 1215 x 495 twips), access key M in French: mark the translation&apos;s key with &amp;</extracomment>
        <translation>&amp;Menú</translation>
    </message>
    <message>
        <source>Entrez les valeurs de fréquence et d&apos;inductance</source>
        <extracomment>a message box of Form2</extracomment>
        <translation>Introduzca la frecuencia y la inductancia</translation>
    </message>
    <message>
        <source>Réactance d&apos;un condensateur</source>
        <extracomment>Form3&apos;s caption</extracomment>
        <translation>Reactancia de un condensador</translation>
    </message>
    <message>
        <source>                   Entrez la  fréquence et la capacité</source>
        <extracomment>Form3 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                             Introduzca la frecuencia y la capacidad</translation>
    </message>
    <message>
        <source>Capacité en picofarad</source>
        <extracomment>Form3 Label2 (label, 2340 x 210 twips), what a screen reader says for Form3 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Capacidad en pF</translation>
    </message>
    <message>
        <source>Entrez les valeurs de fréquence et de capacité</source>
        <extracomment>a message box of Form3</extracomment>
        <translation>Introduzca la frecuencia y la capacidad</translation>
    </message>
    <message>
        <source>Calculs</source>
        <extracomment>Form4&apos;s caption</extracomment>
        <translation>Cálculos</translation>
    </message>
    <message>
        <source>               Entrez deux valeurs pour obtenir la troisième</source>
        <extracomment>Form4 Text4 (box, 5775 x 495 twips)</extracomment>
        <translation>                       Introduzca dos valores para obtener el tercero</translation>
    </message>
    <message>
        <source>Capacite en pf</source>
        <extracomment>Form4 Label10 (label, 2340 x 210 twips), what a screen reader says for Form4 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Capacidad en pF</translation>
    </message>
    <message>
        <source>Inductance en microH</source>
        <extracomment>Form4 Label2 (label, 2340 x 210 twips), what a screen reader says for Form4 Text3 (box, 4035 x 390 twips), Form5 Label2 (label, 2340 x 210 twips), what a screen reader says for Form5 Text1 (box, 4035 x 390 twips), Form6 Label2 (label, 2340 x 210 twips), Form9 Label2 (label, 2340 x 210 twips), what a screen reader says for Form9 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Inductancia en µH</translation>
    </message>
    <message>
        <source>Erreur - Entrer deux valeurs seulement</source>
        <extracomment>a message box of Form4</extracomment>
        <translation>Error - Introduzca solo dos valores</translation>
    </message>
    <message>
        <source>Calcul du nobre de spires d&apos;une bobine</source>
        <extracomment>Form5&apos;s caption</extracomment>
        <translation>Número de espiras de una bobina</translation>
    </message>
    <message>
        <source> Entrez l&apos;inductance, le diamètre et la longueur de la bobine</source>
        <extracomment>Form5 Label5 (label, 5775 x 255 twips)</extracomment>
        <translation>Introduzca la inductancia, el diámetro y la longitud de la bobina</translation>
    </message>
    <message>
        <source>Diamétre en centimètres</source>
        <extracomment>Form5 Label1 (label, 2340 x 210 twips), what a screen reader says for Form5 Text2 (box, 4035 x 390 twips), Form6 Label1 (label, 2340 x 210 twips), what a screen reader says for Form6 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Diámetro en cm</translation>
    </message>
    <message>
        <source>Longueur bobine en cm</source>
        <extracomment>Form5 Label10 (label, 2340 x 210 twips), what a screen reader says for Form5 Text3 (box, 4035 x 390 twips), Form6 Label10 (label, 2340 x 210 twips), what a screen reader says for Form6 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Longitud de la bobina en cm</translation>
    </message>
    <message>
        <source>Nombre de spires:</source>
        <extracomment>Form5 Label3 (label, 2295 x 255 twips), Form6 Label3 (label, 2295 x 255 twips)</extracomment>
        <translation>Número de espiras:</translation>
    </message>
    <message>
        <source>Résultat:</source>
        <extracomment>Form5 Label4 (label, 1215 x 255 twips)</extracomment>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Résultat : Nombre de spires</source>
        <extracomment>what a screen reader says for Form5 Text5 (box, 3975 x 375 twips)</extracomment>
        <translation>Resultado: número de espiras</translation>
    </message>
    <message>
        <source>Entrez les 3 valeurs: inductance, diamètre, et longueur  </source>
        <extracomment>a message box of Form5</extracomment>
        <translation>Introduzca los 3 valores: inductancia, diámetro y longitud</translation>
    </message>
    <message>
        <source>Calcul de l&apos;Inductance d&apos;une bobine</source>
        <extracomment>Form6&apos;s caption</extracomment>
        <translation>Inductancia de una bobina</translation>
    </message>
    <message>
        <source>Entrez le diamètre, la longueur et le nombre de spires de la bobine</source>
        <extracomment>Form6 Label5 (label, 5775 x 255 twips)</extracomment>
        <translation>Introduzca el diámetro, la longitud y el número de espiras de la bobina</translation>
    </message>
    <message>
        <source>   pour obtenir l&apos;inductance en microhenrys</source>
        <extracomment>Form6 Label6 (label, 5775 x 255 twips)</extracomment>
        <translation>para obtener la inductancia en microhenrios</translation>
    </message>
    <message>
        <source>Nombre de spires</source>
        <extracomment>what a screen reader says for Form6 Text3 (box, 4035 x 390 twips), Form9 Label3 (label, 2340 x 210 twips), what a screen reader says for Form9 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Número de espiras</translation>
    </message>
    <message>
        <source> Résultat:</source>
        <extracomment>Form6 Label4 (label, 1215 x 255 twips)</extracomment>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Résultat : Inductance en microH</source>
        <extracomment>what a screen reader says for Form6 Text5 (box, 3975 x 375 twips)</extracomment>
        <translation>Resultado: inductancia en µH</translation>
    </message>
    <message>
        <source>Entrez les 3 valeurs: diamètre, longueur et nombre spires </source>
        <extracomment>a message box of Form6</extracomment>
        <translation>Introduzca los 3 valores: diámetro, longitud y número de espiras</translation>
    </message>
    <message>
        <source>Formules de Veldran</source>
        <extracomment>Form7&apos;s caption</extracomment>
        <translation>Fórmulas de Veldran</translation>
    </message>
    <message>
        <source>INFORMATION</source>
        <extracomment>Form7 Label1 (label, 4335 x 375 twips)</extracomment>
        <translation>INFORMACIÓN</translation>
    </message>
    <message>
        <source>Programme écrit en C++</source>
        <extracomment>Form7 Label4 (label, 4335 x 495 twips)</extracomment>
        <translation>Programa escrito en C++</translation>
    </message>
    <message>
        <source>par l&apos;équipe de Formules</source>
        <extracomment>Form7 Label5 (label, 4335 x 495 twips)</extracomment>
        <translation>por el equipo de Fórmulas</translation>
    </message>
    <message>
        <source>Calculs pour radioamateurs</source>
        <extracomment>Form7 Label9 (label, 4335 x 375 twips)</extracomment>
        <translation>Cálculos para radioaficionados</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the button that closes a message box, Form7 Command1 (button, 1215 x 495 twips), Form8 Command1 (button, 1215 x 495 twips)</extracomment>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Fréquence = 159154.943 / (Sqr(inductance * capacité))</source>
        <extracomment>Form8 Label1 (label, 6855 x 375 twips)</extracomment>
        <translation>Frecuencia = 159154,943 / (sqrt(inductancia * capacidad))</translation>
    </message>
    <message>
        <source>Khz - MicroH - Pf </source>
        <extracomment>Form8 Label8 (label, 2655 x 375 twips)</extracomment>
        <translation>kHz - µH - pF</translation>
    </message>
    <message>
        <source>Inductance= 253.3 * 10 ^ 8 / ((freq * frequence) * capacité)</source>
        <extracomment>Form8 Label2 (label, 6855 x 375 twips)</extracomment>
        <translation>Inductancia= 253,3 * 10 ^ 8 / ((frec * frecuencia) * capacidad)</translation>
    </message>
    <message>
        <source>MicroH - Khz - Pf</source>
        <extracomment>Form8 Label9 (label, 2655 x 375 twips)</extracomment>
        <translation>µH - kHz - pF</translation>
    </message>
    <message>
        <source>Capacité= 253.3 * 10 ^ 8 / ((frequence ^ 2) * Inductance)</source>
        <extracomment>Form8 Label3 (label, 6855 x 375 twips)</extracomment>
        <translation>Capacidad= 253,3 * 10 ^ 8 / ((frecuencia ^ 2) * Inductancia)</translation>
    </message>
    <message>
        <source>Pf - Khz - MicroH</source>
        <extracomment>Form8 Label10 (label, 2655 x 375 twips)</extracomment>
        <translation>pF - kHz - µH</translation>
    </message>
    <message>
        <source>XL=  (2 * 3.1416 * frequence * inductance) / 1000</source>
        <extracomment>Form8 Label4 (label, 6855 x 375 twips)</extracomment>
        <translation>XL=  (2 * 3,1416 * frecuencia * inductancia) / 1000</translation>
    </message>
    <message>
        <source>Ohms -  Khz - MicroH</source>
        <extracomment>Form8 Label11 (label, 2655 x 375 twips)</extracomment>
        <translation>Ohmios - kHz - µH</translation>
    </message>
    <message>
        <source>XC= 1000000000 / (2 * 3.1416 * frequence * capacité)</source>
        <extracomment>Form8 Label5 (label, 6855 x 375 twips)</extracomment>
        <translation>XC= 1000000000 / (2 * 3,1416 * frecuencia * capacidad)</translation>
    </message>
    <message>
        <source>Ohms - Khz - Pf</source>
        <extracomment>Form8 Label12 (label, 2655 x 375 twips)</extracomment>
        <translation>Ohmios - kHz - pF</translation>
    </message>
    <message>
        <source>NbreSp = Sqr (( inductance * (( 100 * l ) + ( 45 * d ))) / d ^ 2)</source>
        <extracomment>Form8 Label6 (label, 6855 x 375 twips)</extracomment>
        <translation>Espiras = sqrt (( inductancia * (( 100 * l ) + ( 45 * d ))) / d ^ 2)</translation>
    </message>
    <message>
        <source>MicroH - Centimètres</source>
        <extracomment>Form8 Label13 (label, 2655 x 375 twips), Form8 Label14 (label, 2655 x 375 twips)</extracomment>
        <translation>µH - cm</translation>
    </message>
    <message>
        <source>Inductance  =  ( d ^ 2 ) * ( NbreSp ^ 2 ) / (( 100 * l ) + ( 45 * d ))</source>
        <extracomment>Form8 Label7 (label, 6855 x 375 twips)</extracomment>
        <translation>Inductancia  =  ( d ^ 2 ) * ( Espiras ^ 2 ) / (( 100 * l ) + ( 45 * d ))</translation>
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
        <translation>%1 espiras → %2 µH; paso %3 mm</translation>
    </message>
    <message>
        <source>l/D = %1 ; Nagaoka : %2 spires</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>l/D = %1; Nagaoka: %2 espiras</translation>
    </message>
    <message>
        <source>Bobine courte : préférer la valeur de Nagaoka</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Bobina corta: es preferible el valor de Nagaoka</translation>
    </message>
    <message>
        <source>Aide : le pas du bobinage, l/D et l&apos;inductance selon la formule exacte de la nappe de courant (coefficient de Nagaoka)</source>
        <extracomment>the tooltip of Form6 Label11 (label, 6765 x 1560 twips)</extracomment>
        <translation>Ayuda: el paso del bobinado, l/D y la inductancia según la fórmula exacta de la lámina de corriente (coeficiente de Nagaoka)</translation>
    </message>
    <message>
        <source>pas %1 mm ; l/D = %2 ; Nagaoka : %3 µH</source>
        <extracomment>a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>paso %1 mm; l/D = %2; Nagaoka: %3 µH</translation>
    </message>
    <message>
        <source>Fermer</source>
        <extracomment>the close button of a window&apos;s title bar in a web page</extracomment>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Le programme est terminé.</source>
        <extracomment>what a web page says once the program has ended</extracomment>
        <translation>El programa ha terminado.</translation>
    </message>
    <message>
        <source>Relancer le programme</source>
        <extracomment>the button of that web page that starts the program again</extracomment>
        <translation>Volver a iniciar el programa</translation>
    </message>
    <message>
        <source>Valeur non comprise : « %1 » (%2)</source>
        <extracomment>a message box: %1 is the text typed, %2 the name of its box&apos;s quantity</extracomment>
        <translation>Valor no comprendido: «%1» (%2)</translation>
    </message>
    <message>
        <source>fréquence</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>capacité</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>capacidad</translation>
    </message>
    <message>
        <source>inductance</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>inductancia</translation>
    </message>
    <message>
        <source>diamètre</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>diámetro</translation>
    </message>
    <message>
        <source>longueur</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>longitud</translation>
    </message>
    <message>
        <source>nombre de spires</source>
        <extracomment>a quantity as the message of a text not understood names it (%2)</extracomment>
        <translation>número de espiras</translation>
    </message>
    <message>
        <source>Lu : %1</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Leído: %1</translation>
    </message>
    <message>
        <source>Lu : %1 ; %2</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Leído: %1; %2</translation>
    </message>
    <message>
        <source>Lu : %1 ; %2 ; %3</source>
        <extracomment>the first line of the design help: what was read through a unit, a code or commas between thousands, entries such as 4n7 = 4700 pF</extracomment>
        <translation>Leído: %1; %2; %3</translation>
    </message>
    <message>
        <source>Aide : ce que le calcul a lu avec une unité, un code ou des virgules de milliers, dans l&apos;unité de la case</source>
        <extracomment>the tooltip of Form2 Label11 (label, 5775 x 600 twips), the tooltip of Form3 Label11 (label, 5775 x 480 twips)</extracomment>
        <translation>Ayuda: lo que el cálculo leyó con una unidad, un código o comas de millares, en la unidad de la casilla</translation>
    </message>
    <message>
        <source>Aide : les valeurs E12 voisines de la capacité ou de l&apos;inductance trouvée et la fréquence que donne chacune, puis une paire qui la compose (condensateurs en parallèle, selfs en série) ; la longueur d&apos;onde d&apos;une fréquence trouvée</source>
        <extracomment>the tooltip of Form4 Label11 (label, 5775 x 1095 twips)</extracomment>
        <translation>Ayuda: los valores E12 más próximos a la capacidad o la inductancia hallada y la frecuencia que da cada uno, luego un par que la forma (condensadores en paralelo, bobinas en serie); la longitud de onda de una frecuencia hallada</translation>
    </message>
    <message>
        <source>Aide : l&apos;inductance que donnent les spires entières, le pas du bobinage, l/D et le nombre de spires selon la formule exacte de la nappe de courant (coefficient de Nagaoka)</source>
        <extracomment>the tooltip of Form5 Label11 (label, 6750 x 1560 twips)</extracomment>
        <translation>Ayuda: la inductancia que dan las espiras enteras, el paso del bobinado, l/D y el número de espiras según la fórmula exacta de la lámina de corriente (coeficiente de Nagaoka)</translation>
    </message>
    <message>
        <source>Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; kHz si rien n&apos;est indiqué ; codes k, M et G : 7M1 = 7,1 MHz
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form2 Text1 (box, 4035 x 390 twips), the tooltip of Form3 Text1 (box, 4035 x 390 twips), the tooltip of Form4 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Unidades: Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G); kHz si no se indica ninguna; códigos k, M y G: 7M1 = 7,1 MHz
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : nH (n), µH (uH, µ, u), mH (m), H ; µH si rien n&apos;est indiqué ; codes n, u (µ), m et R : 4R7 = 4,7 µH
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form2 Text2 (box, 4035 x 390 twips), the tooltip of Form4 Text3 (box, 4035 x 390 twips), the tooltip of Form5 Text1 (box, 4035 x 390 twips), the tooltip of Form9 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Unidades: nH (n), µH (uH, µ, u), mH (m), H; µH si no se indica ninguna; códigos n, u (µ), m y R: 4R7 = 4,7 µH
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : pF (p), nF (n), µF (uF, µ, u), F ; pF si rien n&apos;est indiqué ; codes p, n et u (µ) : 4n7 = 4,7 nF
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form3 Text2 (box, 4035 x 390 twips), the tooltip of Form4 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Unidades: pF (p), nF (n), µF (uF, µ, u), F; pF si no se indica ninguna; códigos p, n y u (µ): 4n7 = 4,7 nF
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : mm, cm, m, in (&quot;), ft ; cm si rien n&apos;est indiqué
Diamètre de la bobine, mesuré au centre du fil (le diamètre du mandrin plus celui d&apos;un fil)
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text2 (box, 4035 x 390 twips), the tooltip of Form6 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Unidades: mm, cm, m, in (&quot;), ft; cm si no se indica ninguna
Diámetro de la bobina, medido hasta el centro del hilo (el diámetro del soporte más el de un hilo)
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Unités : mm, cm, m, in (&quot;), ft ; cm si rien n&apos;est indiqué
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text3 (box, 4035 x 390 twips), the tooltip of Form6 Text2 (box, 4035 x 390 twips)</extracomment>
        <translation>Unidades: mm, cm, m, in (&quot;), ft; cm si no se indica ninguna
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form6 Text3 (box, 4035 x 390 twips), the tooltip of Form9 Text3 (box, 4035 x 390 twips)</extracomment>
        <translation>Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Fil émaillé : %1 mm ou AWG %2 au plus ; %3 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Hilo esmaltado: %1 mm o AWG %2 como máximo; %3 cm de hilo</translation>
    </message>
    <message>
        <source>Fil émaillé : %1 mm au plus ; %2 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Hilo esmaltado: %1 mm como máximo; %2 cm de hilo</translation>
    </message>
    <message>
        <source>Fil émaillé : AWG %1 au plus ; %2 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Hilo esmaltado: AWG %1 como máximo; %2 cm de hilo</translation>
    </message>
    <message>
        <source>Fil émaillé : pas plus fin que le plus fin des fils ; %1 cm de fil</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Hilo esmaltado: paso más fino que el hilo más fino; %1 cm de hilo</translation>
    </message>
    <message>
        <source>Capacité propre : %1 pF ; résonance propre : %2 MHz (Knight)</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Capacidad propia: %1 pF; resonancia propia: %2 MHz (Knight)</translation>
    </message>
    <message>
        <source>Bobine sur tore</source>
        <extracomment>Form1 Command7 (button, 3135 x 495 twips)</extracomment>
        <translation>Bobina en toroide</translation>
    </message>
    <message>
        <source>Bobine sur un tore</source>
        <extracomment>Form9&apos;s caption</extracomment>
        <translation>Bobina en un toroide</translation>
    </message>
    <message>
        <source>Entrez deux des trois : le tore, l&apos;inductance, le nombre de spires</source>
        <extracomment>Form9 Label5 (label, 6030 x 255 twips)</extracomment>
        <translation>Introduzca dos de los tres: el núcleo, la inductancia, el número de espiras</translation>
    </message>
    <message>
        <source>Tore (T50-2, FT37-43…) ou AL</source>
        <extracomment>Form9 Label1 (label, 4035 x 210 twips), what a screen reader says for Form9 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Núcleo (T50-2, FT37-43…) o AL</translation>
    </message>
    <message>
        <source>Un tore de la liste par son nom (T50-2, FT37-43…), ou son AL et son unité : 4,9 nH par spire², 49 µH/100 pour 100 spires, 350 mH/1000 pour 1000 spires
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form9 Text1 (box, 4035 x 390 twips)</extracomment>
        <translation>Un núcleo de la lista por su nombre (T50-2, FT37-43…), o su AL con su unidad: 4,9 nH por espira², 49 µH/100 por 100 espiras, 350 mH/1000 por 1000 espiras
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>Aide : le tore, son AL dans les trois unités et sa tolérance ; l&apos;inductance des spires entières ; les tores de la liste qu&apos;un AL mesuré désigne ; le fil le plus gros qui tient en une couche</source>
        <extracomment>the tooltip of Form9 Label11 (label, 6750 x 2520 twips)</extracomment>
        <translation>Ayuda: el núcleo, su AL en las tres unidades y su tolerancia; la inductancia de las espiras enteras; los núcleos de la lista que indica un AL medido; el hilo más grueso que cabe en una capa</translation>
    </message>
    <message>
        <source>Il faut deux des trois valeurs : le tore, l&apos;inductance, le nombre de spires</source>
        <extracomment>a message box of Form9</extracomment>
        <translation>Se necesitan dos de los tres valores: el núcleo, la inductancia, el número de espiras</translation>
    </message>
    <message>
        <source>%1 : poudre de fer, mélange %2 (%3) ; AL %4 µH/100 sp = %5 nH/sp² ± %6 % ; Ø %7 × %8 × %9 mm</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1: polvo de hierro, mezcla %2 (%3); AL %4 µH/100 esp = %5 nH/esp² ± %6 %; Ø %7 × %8 × %9 mm</translation>
    </message>
    <message>
        <source>%1 : ferrite %2 ; AL %3 nH/sp² = %4 mH/1000 sp ± %5 % ; Ø %6 × %7 × %8 mm</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1: ferrita %2; AL %3 nH/esp² = %4 mH/1000 esp ± %5 %; Ø %6 × %7 × %8 mm</translation>
    </message>
    <message>
        <source>AL %1 µH/100 sp = %2 nH/sp² = %3 mH/1000 sp</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>AL %1 µH/100 esp = %2 nH/esp² = %3 mH/1000 esp</translation>
    </message>
    <message>
        <source>Ferrite %1 : AL valable sous 1 MHz environ ; au-dessus, pour selfs de choc et transformateurs large bande, pas pour circuits accordés</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Ferrita %1: AL válido por debajo de 1 MHz aprox.; por encima, para choques y transformadores de banda ancha, no para circuitos sintonizados</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH (%3 à %4 µH) ; exact %5</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 espiras → %2 µH (%3 a %4 µH); exacto %5</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH ; exact %3</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 espiras → %2 µH; exacto %3</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH (%3 à %4 µH)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 espiras → %2 µH (%3 a %4 µH)</translation>
    </message>
    <message>
        <source>%1 spires → %2 µH</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>%1 espiras → %2 µH</translation>
    </message>
    <message>
        <source>Moins d&apos;une spire : un tore de plus faible AL</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Menos de una espira: un núcleo de AL más bajo</translation>
    </message>
    <message>
        <source>Tores possibles : %1</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Núcleos posibles: %1</translation>
    </message>
    <message>
        <source>Tores possibles : aucun tore de la liste</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Núcleos posibles: ninguno de la lista</translation>
    </message>
    <message>
        <source>Une couche : fil de %1 mm ou AWG %2 au plus ; %3 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Una capa: hilo de %1 mm o AWG %2 como máximo; %3 cm de hilo (sin los terminales)</translation>
    </message>
    <message>
        <source>Une couche : fil de %1 mm au plus ; %2 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Una capa: hilo de %1 mm como máximo; %2 cm de hilo (sin los terminales)</translation>
    </message>
    <message>
        <source>Une couche : AWG %1 au plus ; %2 cm de fil (sans les sorties)</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Una capa: AWG %1 como máximo; %2 cm de hilo (sin los terminales)</translation>
    </message>
    <message>
        <source>Une couche : aucun fil de la liste ; %1 spires demandent plusieurs couches</source>
        <extracomment>a line of Form9 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Una capa: ningún hilo de la lista; %1 espiras necesitan varias capas</translation>
    </message>
    <message>
        <source>rouge</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>rojo</translation>
    </message>
    <message>
        <source>jaune</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>amarillo</translation>
    </message>
    <message>
        <source>bleu</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>azul</translation>
    </message>
    <message>
        <source>noir</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>negro</translation>
    </message>
    <message>
        <source>bleu et jaune</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>azul y amarillo</translation>
    </message>
    <message>
        <source>beige</source>
        <extracomment>a word in a line of Form9 Label11, the design help</extracomment>
        <translation>beige</translation>
    </message>
    <message>
        <source>tore</source>
        <extracomment>what a box of Form9 holds, as the message of a text not understood names it (%2)</extracomment>
        <translation>núcleo</translation>
    </message>
    <message>
        <source>Fréquence d&apos;usage en kHz (facultatif)</source>
        <extracomment>Form5 Label12 (label, 4035 x 210 twips), what a screen reader says for Form5 Text6 (box, 4035 x 390 twips), Form6 Label12 (label, 4035 x 210 twips), what a screen reader says for Form6 Text6 (box, 4035 x 390 twips)</extracomment>
        <translation>Frecuencia de uso en kHz (opcional)</translation>
    </message>
    <message>
        <source>Facultatif : la fréquence où la bobine travaillera ; elle ne sert qu&apos;à la ligne de son Q dans l&apos;aide
Unités : Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G) ; kHz si rien n&apos;est indiqué ; codes k, M et G : 7M1 = 7,1 MHz
Si les résultats s&apos;écrivent avec un point, la virgule sépare les milliers : 14,230 = 14230</source>
        <extracomment>the tooltip of Form5 Text6 (box, 4035 x 390 twips), the tooltip of Form6 Text6 (box, 4035 x 390 twips)</extracomment>
        <translation>Opcional: la frecuencia a la que trabajará la bobina; solo sirve para la línea de su Q en la ayuda
Unidades: Hz, kHz (k, kc), MHz (M, meg, Mc), GHz (G); kHz si no se indica ninguna; códigos k, M y G: 7M1 = 7,1 MHz
Si los resultados se escriben con punto, la coma separa los miles: 14,230 = 14230</translation>
    </message>
    <message>
        <source>À %1 kHz : Q ≈ %2 ; résistance ≈ %3 Ω ; bande passante ≈ %4 kHz (Medhurst, fil %5 mm)</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>A %1 kHz: Q ≈ %2; resistencia ≈ %3 Ω; ancho de banda ≈ %4 kHz (Medhurst, hilo de %5 mm)</translation>
    </message>
    <message>
        <source>À %1 kHz : au-delà de la résonance propre, la bobine n&apos;est plus une inductance</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>A %1 kHz: por encima de la resonancia propia, la bobina ya no es una inductancia</translation>
    </message>
    <message>
        <source>Fréquence d&apos;usage hors limites</source>
        <extracomment>a line of Form5 Label11, the design help (%1, %2... are figures), a line of Form6 Label11, the design help (%1, %2... are figures)</extracomment>
        <translation>Frecuencia de uso fuera de límites</translation>
    </message>
    <message>
        <source>fréquence d&apos;usage</source>
        <extracomment>what a box of Form5 holds, as the message of a text not understood names it (%2), what a box of Form6 holds, as the message of a text not understood names it (%2)</extracomment>
        <translation>frecuencia de uso</translation>
    </message>
</context>
</TS>
