#!/bin/sh
# The engine driver answers one line per input line, in UTF-8.
# Inputs go through printf %b, so \r and \n in them are control characters.
set -e
moteur="$1"
programme="$1"
. "$(dirname "$0")/../verifie_console.sh"
verifie --noeud 'a-b-c
2*-3
x^2=4
a-e-1
' 'op=- gauche=a-b droite=c liste=0 relation=0
op=- gauche=2* droite=3 liste=0 relation=0
op= gauche= droite= liste=0 relation=4
op=- gauche=a-e droite=1 liste=0 relation=0'
verifie --fonction 'cos(x)
(a+b)
deriver(x^2;x)
' '2 | x
0 | a+b
13 | x^2 | x'
verifie --nombre '0.00001
inf
1,5
 2.50 
' '1E-5
(pas un nombre)
(pas un nombre)
2.5'
verifie '' 'café\r\n' 'Caractère é interdit.'

# Error values are results, never input: the error value the implicit
# products give is the answer, and no routine's failure mark is shown.
imbrique=''
i=0
while [ $i -lt 1000 ]; do imbrique="${imbrique}sin("; i=$((i + 1)); done
verifie --implicite "0/0\n${imbrique}x\nerreur(Division par zéro)\n" 'erreur(Division par zéro)
erreur(Expression trop complexe.)
Caractère é interdit.'
verifie '' 'min([])\nest_impair(x)+1\n' 'erreur(Argument hors des limites de la fonction.)
erreur(Argument hors des limites de la fonction.)'

# The language switch renames the translated rows; an unknown name is no
# call, though its bracket part is still cut into arguments.
verifie '--langue en --fonction' 'derivate(x^2;x)\nderiver(x^2;x)\n' '13 | x^2 | x
0 | x^2 | x'
obtenu=$("$moteur" --langue en --texte txt_erreur_solution)
[ "$obtenu" = "erreur(no solution)" ] || { echo "texte: $obtenu" >&2; exit 1; }
obtenu=$("$moteur" --langue fr --texte txt_fonction_inconnue)
[ "$obtenu" = "Fonction  %s inconnue" ] || { echo "texte: $obtenu" >&2; exit 1; }

# The algebra commands.
verifie '' 'fraction(2.5)
fraction(123456.789)
reduire(2*x-2)
developper((x+1)/2)
factoriser(x^2-4)
calcul_radical(sqrt(12))
calcul_radical(sqrt(1/4))
est_pair(3/2)
perm(3;5)
comb(30;3)
fact(21)
numeriser(1/0+1)
numeriser(ln(0))
' '5/2
123456789/1000
-2+2*x
x/2+1/2
(-2+x)*(2+x)
2*sqrt(3)
1/2
#vrai
0
4060
5.10909421717094E19
erreur(Division par zéro)
erreur(erreur:logarithme d'"'"'un nombre negatif)'
verifie '--langue en' 'is_even(3/2)\nfact(-1)\n' '#true
erreur(Argument outside the limits of the function.)'

# Honest values: a zero denominator, a number that is not finite, nested
# and symbolic sums, counts past 64 bits, 0^0 and integers out of range.
verifie '' '2/0
fraction(2/(1-1))
numeriser(10^400)
numeriser((-8)^(1/3))
integrale(x;0;1e300;x)
somme(i;1;1000;somme(j;1;1000;i*j))
somme(k;1;3;k/pi)
fact(-1)
fact(171)
comb(100;50)
0^0
0.0^0
pgcd(9223372036854775807;9223372036854775806)
' 'erreur(Division par zéro)
erreur(Division par zéro)
erreur(Le résultat n'"'"'est pas un nombre fini.)
erreur(Le résultat n'"'"'est pas un nombre fini.)
erreur(Le résultat n'"'"'est pas un nombre fini.)
250500250000
6/pi
erreur(Argument hors des limites de la fonction.)
erreur(Argument hors des limites de la fonction.)
1.00891344545564E29
1
1
erreur(Argument hors des limites de la fonction.)'
verifie '--langue en' 'digitize(10^400)\n' 'erreur(The result is not a finite number.)'

# Calculus.
verifie '' 'deriver(sin(x);x)
deriver(x^2;x)
deriver(ln(x);x)
deriver(abs(x);x)
' 'cos(x)
2*x
1/(x)
abs(x)/(x)'
verifie '--langue en' 'derivate(x^2;x)\n' '2*x'
verifie '' 'integrer(3*x;x)
integrer(k;x)
integrer(x^-1;x)
integrer(tan(x);x)
integrale(x^2;0;3;x)
integrale(sin(x^2);0;1;x)
' '(3*x^2)/2
k*x
ln(x)
int(tan(x))
9
integrale(sin(x^2);0;1;x)'
verifie '--langue en' 'integrate(cos(x^2);x)\n' 'integrate(cos(x^2);x)'
verifie '' 'developpement_limite(exp(x);x;0;2)
developpement_limite(exp(x);x;0;21)
' '1+x+(x^2)/2
erreur(Argument hors des limites de la fonction.)'
verifie '' 'somme(k;1;200000;k)
somme(k;1;2;1/k)
somme(k;3;1;k)
produit(k;1;4;k)
min([3;1;2])
' 'erreur(Argument hors des limites de la fonction.)
3/2
0
24
1'

# Matrices, vectors, complex numbers and polynomials.
verifie '' 'det([[1;0;0];[0;1;0];[0;0;1]])
det([[1;2;3];[4;5;6]])
inv([[2;4];[1;2]])
inv([[4]])
produit_scalaire([1;2];[1;2;3])
partie_reelle((1+î)*(1-î))
module(1+î)
argument(-3*î)
argument(-1)
partie_imaginaire(î^-3)
degre(sin(x))
division_euclidienne(x^2+1;x-1)
' '1
erreur(Le nombre de ligne est différent du nombre de colonne)
erreur(La matrice n'"'"'est pas inversible.)
[[1/4]]
erreur(Erreur :dimension incompatible)
2
sqrt(2)
-pi/2
pi
1
erreur(Cette fonction ne s'"'"'applique qu'"'"'aux polynômes.)
x+1+2/(x-1)'

# Equations, systems, lines and differential equations.
verifie '' 'resoudre(x^3-1;x)
resoudre(5;x)
resoudre(x+1=x+1;x)
resoudre(0*x=1;x)
resoudre(x^2+x/3+1;x)
resoudre(x^2-4=0;x)
complexe_resoudre(x^2+1;x)
discriminant(x^2+x+1;x)
resoudre_systeme([x+y=3;x-y=1];[x;y])
resoudre_systeme([x^2+y=1;x=2];[x;y])
resoudre_systeme([x+x*y=3;x-y=1];[x;y])
resoudre_systeme([x+y=2;x-y=0;2*x=2];[x;y])
points_en_droite([0;3];[4;3])
points_en_droite([0;1];[1;3])
points_en_droite([1;2];[1;2])
points_en_droite([2;4];[3;6])
resoudre(y'"'"'=2*y;[x;y(0)=3])
resoudre(y'"'"''"'"''"'"'=y;x)
resoudre(y'"'"''"'"'+x*y=0;x)
resoudre(y'"'"''"'"'-3*y'"'"'+2*y=0;x)
' 'erreur(La fonction resoudre ne s'"'"'applique qu'"'"'au polynome de degré inférieur ou égal à 2.)
erreur(pas de solution)
erreur(tout réel est solution)
erreur(pas de solution)
erreur(pas de solution)
[x=-2;x=2]
[x=-î;x=î]
-3
[x=2;y=1]
erreur(système non linéaire)
erreur(système non linéaire)
erreur(le nombre de variable doit être égal au nombre d'"'"'équation.)
y=3
y=1+2*x
erreur(Impossible de determiner l'"'"'équation)
y=2*x
[y=3*exp(2*x)]
erreur(Cette fonction ne résout que les équations du second ordre)
erreur(Impossible de résoudre cette équation.)
[y=a*exp(x)+b*exp(2*x)]'
verifie '--langue en' 'solve(x^2+1;x)
solve(x^3-1;x)
discriminant(x^3;x)
' 'erreur(no solution)
erreur(The function solve is only for quadratic polynom.)
erreur(The function discriminant is only for quadratic polynom.)'

# Hostile input: a line past the length bound is refused at once, fast
# growing rewritings end with the "too complex" error, and a control
# character typed in the input is shown by its code.
somme_1mo=$(awk 'BEGIN { for (i = 0; i < 500000; i++) printf "1+"; print "1" }')
appels_imbriques=$(awk 'BEGIN { for (i = 0; i < 100000; i++) printf "developper("; printf "x";
                                for (i = 0; i < 100000; i++) printf ")"; print "" }')
derivees=$(awk 'BEGIN { for (i = 0; i < 20; i++) printf "deriver("; printf "sin(x)*exp(x)";
                        for (i = 0; i < 20; i++) printf ";x)"; print "" }')
verifie '' "$somme_1mo
$appels_imbriques
resoudre(variance([1;x;d;k/ecart_type([1;b])]);x)
$derivees
" 'Expression trop complexe.
Expression trop complexe.
erreur(Expression trop complexe.)
erreur(Expression trop complexe.)'
verifie '' 'x\00001\n2\t3\n' 'Caractère #0 interdit.
Caractère #9 interdit.'
