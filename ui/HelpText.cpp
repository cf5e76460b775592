#include <QStringList>

#include "ui/THelpDlg.h"

namespace vemlo {

namespace {

// Kept within about 60 characters a line, so that most of it reads without
// scrolling sideways in the help window.
const char* const kHelp = R"(            VEMLO HELP
=====================================================
Vemlo draws graphs of functions in 3-space. From the
start menu you pick one of four kinds of graph:

 1. Surfaces z=f(x,y) in rectangular coordinates.
 2. Surfaces z=f(r,t) in cylindrical coordinates,
    where t stands for the angle theta.
 3. Space curves x(t), y(t), z(t).
 4. 2-parameter surfaces x(u,v), y(u,v), z(u,v).

A surface is drawn as a mesh of small patches. The
patches are painted from the farthest to the nearest,
so the near parts of the surface hide the far parts.
The upper side and the under side of a surface get
different colours, and each patch is shaded by the
angle at which you look at it.

The position of your eye is given in spherical
coordinates: rho is its distance from the origin,
theta its angle around the z axis measured from the
x axis, and phi its angle down from the positive z
axis. Theta and phi are entered in degrees. Changing
rho has little effect on the perspective; theta and
phi decide what you see.

To get started, pick a mode, choose Samples in the
menu of the graph window, click one of the examples
and then press the Draw button. Change the domain
with Edit > Domain if the example suggests one.

=====================================================
1. ENTERING YOUR FUNCTIONS
=====================================================
Choose .Function > Enter Function and type the
formula, or the three formulas in modes 3 and 4, as
text. Capital and small letters are the same. Use
x and y in mode 1, r and t in mode 2, t in mode 3,
and u and v in mode 4. The letters a, b, c, d, e
and f are parameters: give their values with
Edit > Parameters.

Reserved Constants:
-------------------
  p       stands for pi = 3.14159...
  EXP(1)  gives e = 2.71828...
Note that the letter e is the parameter e, not the
number e.

Arithmetic Operations:
----------------------
  +  addition          -  subtraction
  *  multiplication    /  division
  ^  power             ( ) grouping
Every product needs its star: write 2*x, not 2x.
Powers group from the right: 2^3^2 = 2^9 = 512.
A minus sign directly after another operator is not
allowed in front of a letter: write 2*(-x), not 2*-x.

Built-In Functions:
-------------------
Every function takes one argument in parentheses.
  ^      power               x^3, 2^x, x^(1/3)
  Abs    absolute value      Abs(x-y)
  ATan   arctangent          ATan(y/x)
  Sin    sine (radians)      Sin(x*y)
  ASin   arcsine             ASin(x/3)
  Cos    cosine (radians)    Cos(Sqrt(x^2+y^2))
  ACos   arccosine           ACos(x/3)
  Tan    tangent (radians)   Tan(x/2)
  ATan   inverse tangent,    ATan(x)+ATan(y)
         result in radians
  Sinh   hyperbolic sine     Sinh(x)
  Cosh   hyperbolic cosine   Cosh(y)
  Exp    e to the power      Exp(-x^2-y^2)
  Ln     natural logarithm   Ln(1+x^2)
  Log    logarithm base 10   Log(1+y^2)
  Sqr    square              Sqr(x*y) = (x*y)^2
  Sqrt   square root         Sqrt(9-x^2-y^2)
  Round  nearest whole       Round(x)
         number
  Trunc  whole part,         Trunc(x)
         toward zero
  Int    whole part,         Int(y)
         toward zero
  Un     unit step: 1 when   Un(x)*x^2
         the argument is 0
         or more, else 0
  Cut    like Un, but the    Cut(4-x^2-y^2)
         patches where the
         argument is below
         0 are left out
A negative number raised to a power must have a
whole number as exponent. Where a function has no
value (Sqrt of a negative number, Ln of 0, division
by 0) that part of the graph is left out, and after
the drawing you are asked to check your functions.

Further Examples:
-----------------
  Mode 1:  (2*x^2+3*y^2)*Exp(1-x^2-y^2)
           5*Sin(x*y)/(x*y)
           a*x^2+b*y^2
  Mode 2:  Sin(r)/r
           r^2*Cos(2*t)
  Mode 3:  x = Cos(t), y = Sin(t), z = t/5
  Mode 4:  x = Cos(u)*Sin(v), y = Sin(u)*Sin(v),
           z = Cos(v)   (a sphere)

=====================================================
2. OPTIONS FROM THE MAIN MENU
=====================================================
1. Rectangular coordinates:
---------------------------
Draw button: draws the graph of your function. A
new graph is painted over the old one; use
Edit > Clear Screen first for a clean picture.
Cancel Draw: stops a drawing that takes too long.
File > List Function Values: lists the values of the
last drawing; they can be copied, saved or printed.
Edit > Parameters: values of a, b, c, d, e and f.
Edit > Domain: the ranges of x and y.
Edit > Curves: the number of grid curves in each
direction; more curves give a finer surface.
Edit > Colors: colours of the drawing, the axes,
the ticks and the letters.
Edit > Surface Colors: colours of the upper side,
the under side and the grid, and shading on or off.
Edit > Graph Title: a title shown above the graph.
Edit > Clear Screen: empties the graphing area.
Axes > Change Axes: the box that carries the axes;
the graph is fitted into it.
Axes > Draw Axes: draws the axes again on top.
View > Change View: enter theta, phi and rho.
The arrow compass turns the surface in 10 degree
steps: left and right change theta, up and down
change phi. The boxes show the angles in degrees.
Plane > Draw / Edit: a plane through a point with a
given normal, for example a tangent plane.
Line > Draw / Edit: a line between two points.
Box: click Box once to check Draw Box, and click Box
once more to draw the box around the graph.
Contours > Draw / Edit: level curves, flat or at
their heights, with a list of the levels.
Movie > Create / Play / Edit: the surface turning
about the z axis, frame by frame.

OPENING GRAPHS:
---------------
File > Open Graph reads a BMP, JPEG or PNG picture
into the graphing area. You can draw over it.

SAVING GRAPHS
-------------
File > Save Graph > Save Full Graph saves the graph
with its title, formulas and parameter values.
Save Only Inside Rectangle saves the graphing area
alone. End the file name in .bmp, .jpg or .png to
choose the kind of picture. Edit > Copy Graph puts
the graph on the clipboard; Paste Graph brings a
picture from the clipboard into the graphing area.

SCREENSHOTS ON THE MAC
----------------------
Shift-Command-4 lets you drag a rectangle around the
part of the screen you want; the picture is saved on
the desktop. Shift-Command-3 takes the whole screen.

2. Cylindrical Coordinates:
---------------------------
Enter z as a function of r and t, where t is the
angle theta in radians. The graphing area is square,
so circles stay circles. The menu works as for
rectangular coordinates.

3. Curves in 3-Space:
---------------------
Enter x, y and z as functions of t. Edit > Domain
sets the range of t and Edit > Step the step in t;
a smaller step gives a smoother curve.

4. 2-Parameter Surfaces:
------------------------
Enter x, y and z as functions of u and v. Edit >
Domain sets the ranges of u and v, and Edit > Curves
the number of grid curves in each direction.
=====================================================
)";

}  // namespace

const QStringList& HelpLines() {
    static const QStringList lines = [] {
        QStringList l = QString::fromLatin1(kHelp).split(QLatin1Char('\n'));
        if (!l.isEmpty() && l.last().isEmpty()) l.removeLast();
        return l;
    }();
    return lines;
}

}  // namespace vemlo
