<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutBox</name>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>A gradebook for teachers: scores, weighted averages, letter grades, charts and printed reports.</source>
        <translation>Un libro de calificaciones para docentes: puntuaciones, promedios ponderados, calificaciones con letras, gráficos e informes impresos.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>Use what this window shows and close it</source>
        <translation>Aplicar lo que muestra esta ventana y cerrarla</translation>
    </message>
    <message>
        <source>Close this window without changing anything</source>
        <translation>Cerrar esta ventana sin cambiar nada</translation>
    </message>
    <message>
        <source>Open the Help page about this window</source>
        <translation>Abrir la página de ayuda de esta ventana</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
</context>
<context>
    <name>CategoriesPage</name>
    <message>
        <source>Grade Book Category files (*.gca)</source>
        <translation>Archivos de categorías (*.gca)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>New empty category table</source>
        <translation>Nueva tabla de categorías vacía</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Load the category table from a file</source>
        <translation>Cargar la tabla de categorías desde un archivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save the category table to a file</source>
        <translation>Guardar la tabla de categorías en un archivo</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the current category</source>
        <translation>Eliminar la categoría actual</translation>
    </message>
    <message>
        <source>% Total</source>
        <translation>% total</translation>
    </message>
    <message>
        <source>Displays the current total percent of grade</source>
        <translation>Muestra el porcentaje total actual de la calificación final</translation>
    </message>
    <message>
        <source>Discard existing categories</source>
        <translation>Descartar las categorías existentes</translation>
    </message>
    <message>
        <source>Load Category Options</source>
        <translation>Cargar opciones de categorías</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Save Category Options</source>
        <translation>Guardar opciones de categorías</translation>
    </message>
</context>
<context>
    <name>CellRules</name>
    <message>
        <source>Enter a grade name, then press Tab or Enter</source>
        <translation>Nombre de la calificación, luego Tab o Intro</translation>
    </message>
    <message>
        <source>Enter a student name, then press Tab or Enter</source>
        <translation>Nombre del estudiante, luego Tab o Intro</translation>
    </message>
    <message>
        <source>Enter a grade value, then press Tab or Enter</source>
        <translation>Valor de la calificación, luego Tab o Intro</translation>
    </message>
    <message>
        <source>Not a number or a known letter</source>
        <translation>No es un número ni una letra conocida</translation>
    </message>
    <message>
        <source>Above the %1 points of %2</source>
        <translation>Por encima de los %1 puntos de %2</translation>
    </message>
    <message>
        <source>Excused: not counted in the average</source>
        <translation>Exento: no cuenta en el promedio</translation>
    </message>
    <message>
        <source>Missing: counts as %1 percent</source>
        <translation>No entregado: cuenta como %1 por ciento</translation>
    </message>
</context>
<context>
    <name>ChartForm</name>
    <message>
        <source>Chart &amp; Statistics</source>
        <translation>Gráfico y estadísticas</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Initials</source>
        <translation>Iniciales</translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation>Histograma</translation>
    </message>
    <message>
        <source>Single Letter</source>
        <translation>Letra única</translation>
    </message>
    <message>
        <source>Letter Stats</source>
        <translation>Estadísticas por letra</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Data Type</source>
        <translation>Tipo de datos</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Chart Type</source>
        <translation>Tipo de gráfico</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal (barras)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>The Numbers to Letters table has no letter thresholds.</source>
        <translation>La tabla de números a letras no tiene umbrales de letras.</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Curve for </source>
        <translation>Curva para </translation>
    </message>
    <message>
        <source>Enter New Curve Amount</source>
        <translation>Introduzca la nueva cantidad de curva</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>PNG Image (*.png);;SVG Drawing (*.svg)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>2D bar</source>
        <translation>Barras 2D</translation>
    </message>
    <message>
        <source>3D bar</source>
        <translation>Barras 3D</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Líneas</translation>
    </message>
    <message>
        <source>Area</source>
        <translation>Área</translation>
    </message>
    <message>
        <source>Print the chart or a description of its data</source>
        <translation>Imprimir el gráfico o una descripción de sus datos</translation>
    </message>
    <message>
        <source>Label each bar with initials instead of a number</source>
        <translation>Rotular cada barra con iniciales en lugar de un número</translation>
    </message>
    <message>
        <source>Count how many values fall into each letter range, one bar per letter</source>
        <translation>Contar cuántos valores caen en cada intervalo de letras, una barra por letra</translation>
    </message>
    <message>
        <source>Merge the letter ranges that begin with the same letter into one bar</source>
        <translation>Unir en una barra los intervalos de letras que empiezan con la misma letra</translation>
    </message>
    <message>
        <source>Compute the statistics on letter points instead of percentages</source>
        <translation>Calcular las estadísticas con puntos de letra en lugar de porcentajes</translation>
    </message>
    <message>
        <source>Chart the class averages of the grades, or the students&apos; results in one grade</source>
        <translation>Representar los promedios de la clase de las calificaciones, o los resultados de los estudiantes en una calificación</translation>
    </message>
    <message>
        <source>Chart the students&apos; averages, or one student&apos;s results in every grade</source>
        <translation>Representar los promedios de los estudiantes, o los resultados de un estudiante en cada calificación</translation>
    </message>
    <message>
        <source>The grade to chart, or the class averages</source>
        <translation>La calificación que se representa, o los promedios de la clase</translation>
    </message>
    <message>
        <source>The student to chart, or the student averages</source>
        <translation>El estudiante que se representa, o los promedios de los estudiantes</translation>
    </message>
    <message>
        <source>How the values are drawn: bars, a line or an area</source>
        <translation>Cómo se dibujan los valores: barras, una línea o un área</translation>
    </message>
    <message>
        <source>Lay the bars on their side, which suits long lists</source>
        <translation>Poner las barras en horizontal, lo que conviene a listas largas</translation>
    </message>
    <message>
        <source>Sa&amp;ve Picture...</source>
        <translation>Guardar i&amp;magen...</translation>
    </message>
    <message>
        <source>&amp;Initials/Letter Names</source>
        <translation>I&amp;niciales/nombres de letras</translation>
    </message>
    <message>
        <source>Hi&amp;stogram</source>
        <translation>&amp;Histograma</translation>
    </message>
    <message>
        <source>Single &amp;Letter</source>
        <translation>&amp;Letra única</translation>
    </message>
    <message>
        <source>Letter S&amp;tats</source>
        <translation>Es&amp;tadísticas por letra</translation>
    </message>
    <message>
        <source>Change C&amp;urve</source>
        <translation>Cambiar cu&amp;rva</translation>
    </message>
</context>
<context>
    <name>CheckForm</name>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Severity</source>
        <translation>Gravedad</translation>
    </message>
    <message>
        <source>Check Results</source>
        <translation>Resultados de la comprobación</translation>
    </message>
    <message>
        <source>Errors</source>
        <translation>Errores</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Advertencias</translation>
    </message>
    <message>
        <source>Grade Entries</source>
        <translation>Entradas de calificación</translation>
    </message>
    <message>
        <source>Blank Entries</source>
        <translation>Entradas vacías</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>One line per problem found; select a line and press Find to go there</source>
        <translation>Una línea por problema encontrado; seleccione una línea y pulse Buscar para ir allí</translation>
    </message>
    <message>
        <source>Close this window and go to the problem on the selected line</source>
        <translation>Cerrar esta ventana e ir al problema de la línea seleccionada</translation>
    </message>
</context>
<context>
    <name>Clipboard</name>
    <message>
        <source>Not enough memory to copy the class.</source>
        <translation>No hay memoria suficiente para copiar la clase.</translation>
    </message>
</context>
<context>
    <name>CriteriaForm</name>
    <message>
        <source>! Extra Credit  - Percent of grade for extra credit is in addition to the total of 100%.</source>
        <translation>! Crédito extra  - El porcentaje de crédito extra se suma al total del 100%.</translation>
    </message>
    <message>
        <source>Grade Criteria</source>
        <translation>Criterios de calificación</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Docente</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>N.º de clase</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>% (entered)</source>
        <translation>% (escrito)</translation>
    </message>
    <message>
        <source>Drop Lowest</source>
        <translation>Descartar</translation>
    </message>
    <message>
        <source>Grade Name</source>
        <translation>Nombre de la calificación</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>% of Grade</source>
        <translation>% calif. final</translation>
    </message>
    <message>
        <source>* When dropping the lowest grade in a category with unequal weights, percent of grade values are estimated</source>
        <translation>* Al descartar la más baja en una categoría con pesos desiguales, los porcentajes son estimados</translation>
    </message>
    <message>
        <source>based on the lowest weighted grade</source>
        <translation>a partir de la calificación de menor peso</translation>
    </message>
    <message>
        <source>Grade Criteria for %1</source>
        <translation>Criterios de calificación de %1</translation>
    </message>
    <message>
        <source>Yes *</source>
        <translation>Sí *</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
</context>
<context>
    <name>DescriptionPage</name>
    <message>
        <source>Teacher</source>
        <translation>Docente</translation>
    </message>
    <message>
        <source>Class Name</source>
        <translation>Nombre de la clase</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>Número de la clase</translation>
    </message>
    <message>
        <source>Your name as it should appear on paper</source>
        <translation>Su nombre tal como debe aparecer en papel</translation>
    </message>
    <message>
        <source>The course, such as Algebra I</source>
        <translation>El curso, por ejemplo Álgebra I</translation>
    </message>
    <message>
        <source>The section, period or room that tells this class from your others</source>
        <translation>El grupo, la hora o el aula que distingue esta clase de las demás</translation>
    </message>
    <message>
        <source>Scores may be typed with a decimal comma (8,5 for 8.5)</source>
        <translation>Las puntuaciones pueden escribirse con coma decimal (8,5 por 8.5)</translation>
    </message>
    <message>
        <source>Kept with the gradebook, so its scores are the same numbers in every language</source>
        <translation>Se guarda con el libro de calificaciones, para que sus puntuaciones sean los mismos números en cualquier idioma</translation>
    </message>
</context>
<context>
    <name>DisplayPage</name>
    <message>
        <source>%1 %2 Points</source>
        <translation>%1 %2 puntos</translation>
    </message>
    <message>
        <source>Flat Toolbars</source>
        <translation>Barras de herramientas planas</translation>
    </message>
    <message>
        <source>3D Tables</source>
        <translation>Tablas en 3D</translation>
    </message>
    <message>
        <source>Show Hints</source>
        <translation>Mostrar sugerencias</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>Save recovery information every</source>
        <translation>Guardar datos de recuperación cada</translation>
    </message>
    <message>
        <source> seconds</source>
        <translation> segundos</translation>
    </message>
    <message>
        <source>Never</source>
        <translation>Nunca</translation>
    </message>
    <message>
        <source>Show the tool-bar buttons without a raised border</source>
        <translation>Mostrar los botones de la barra de herramientas sin borde en relieve</translation>
    </message>
    <message>
        <source>Draw the tables with sunken, three-dimensional cell borders</source>
        <translation>Dibujar las tablas con bordes de celda hundidos, en tres dimensiones</translation>
    </message>
    <message>
        <source>Show the tool tips of the tool-bar buttons</source>
        <translation>Mostrar las sugerencias de los botones de la barra de herramientas</translation>
    </message>
    <message>
        <source>Choose the font of the grid, the dialogs&apos; tables and the status bar</source>
        <translation>Elegir la fuente de la cuadrícula, de las tablas de los diálogos y de la barra de estado</translation>
    </message>
    <message>
        <source>How often a gradebook with unsaved changes is copied for recovery after a crash</source>
        <translation>Cada cuánto se copia un libro de calificaciones con cambios sin guardar para recuperarlo tras un fallo</translation>
    </message>
    <message>
        <source>The font %1 has no Latin letters, so the gradebook could not be read in it. Choose another font.</source>
        <translation>La fuente %1 no tiene letras latinas, así que el libro de calificaciones no se podría leer con ella. Elija otra fuente.</translation>
    </message>
</context>
<context>
    <name>GBookForm</name>
    <message>
        <source>Teacher</source>
        <translation>Docente</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>N.º de clase</translation>
    </message>
    <message>
        <source>Student Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Gradebook for %1</source>
        <translation>Libro de calificaciones de %1</translation>
    </message>
    <message>
        <source>Class Average</source>
        <translation>Promedio de la clase</translation>
    </message>
</context>
<context>
    <name>GradeBook</name>
    <message>
        <source>blank</source>
        <translation>vacía</translation>
    </message>
    <message>
        <source>%1, counting invalid entries</source>
        <translation>%1, contando entradas no válidas</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Average of the students&apos; averages, %1</source>
        <translation>Promedio de los promedios de los estudiantes, %1</translation>
    </message>
    <message>
        <source>Average of the class averages, %1</source>
        <translation>Promedio de los promedios de la clase, %1</translation>
    </message>
    <message>
        <source>average</source>
        <translation>promedio</translation>
    </message>
    <message>
        <source>class average</source>
        <translation>promedio de la clase</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>New grade, %1</source>
        <translation>Nueva calificación, %1</translation>
    </message>
    <message>
        <source>Grade name</source>
        <translation>Nombre de la calificación</translation>
    </message>
    <message>
        <source>class average %1</source>
        <translation>promedio de la clase %1</translation>
    </message>
    <message>
        <source>New student, %1</source>
        <translation>Nuevo estudiante, %1</translation>
    </message>
    <message>
        <source>average %1</source>
        <translation>promedio %1</translation>
    </message>
    <message>
        <source>New student</source>
        <translation>Nuevo estudiante</translation>
    </message>
    <message>
        <source>New grade</source>
        <translation>Nueva calificación</translation>
    </message>
    <message>
        <source>curved %1</source>
        <translation>con curva %1</translation>
    </message>
</context>
<context>
    <name>GradeBox</name>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Extra Credit</source>
        <translation>Crédito extra</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Curva</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>(Points)</source>
        <translation>(Puntos)</translation>
    </message>
    <message>
        <source>Don&apos;t compute class average</source>
        <translation>No calcular el promedio de la clase</translation>
    </message>
    <message>
        <source>The points a full score of this grade is worth</source>
        <translation>Los puntos que vale una puntuación completa en esta calificación</translation>
    </message>
    <message>
        <source>How much this grade counts compared with the other grades of its category</source>
        <translation>Cuánto cuenta esta calificación frente a las demás de su categoría</translation>
    </message>
    <message>
        <source>The category this grade belongs to</source>
        <translation>La categoría a la que pertenece esta calificación</translation>
    </message>
    <message>
        <source>Let this grade raise a student&apos;s average but never lower it</source>
        <translation>Esta calificación puede subir el promedio de un estudiante, pero nunca bajarlo</translation>
    </message>
    <message>
        <source>Add the curve&apos;s amount to every entry of this grade</source>
        <translation>Sumar la cantidad de la curva a cada entrada de esta calificación</translation>
    </message>
    <message>
        <source>The points the curve adds to every entry of this grade</source>
        <translation>Los puntos que la curva suma a cada entrada de esta calificación</translation>
    </message>
    <message>
        <source>Show no class average for this grade and leave it out of the overall class average</source>
        <translation>No mostrar promedio de la clase para esta calificación y dejarla fuera del promedio general de la clase</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>The help collection was not found. Looked for:&lt;br&gt;</source>
        <translation>No se encontró la colección de ayuda. Se buscó:&lt;br&gt;</translation>
    </message>
    <message>
        <source>The help collection %1 cannot be read: %2</source>
        <translation>No se puede leer la colección de ayuda %1: %2</translation>
    </message>
    <message>
        <source>Cannot copy %1 to %2</source>
        <translation>No se puede copiar %1 en %2</translation>
    </message>
    <message>
        <source>The help files are missing: %1</source>
        <translation>Faltan los archivos de ayuda: %1</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Marklow Help</source>
        <translation>Ayuda de Marklow</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>Back to the page shown before (Alt+Left)</source>
        <translation>Volver a la página anterior (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Forward again (Alt+Right)</source>
        <translation>Adelante de nuevo (Alt+Derecha)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>The contents page of Marklow Help (Alt+Home)</source>
        <translation>La página de contenido de la ayuda de Marklow (Alt+Inicio)</translation>
    </message>
    <message>
        <source>&amp;Larger Text</source>
        <translation>Texto más &amp;grande</translation>
    </message>
    <message>
        <source>&amp;Smaller Text</source>
        <translation>Texto más &amp;pequeño</translation>
    </message>
    <message>
        <source>Cl&amp;ose</source>
        <translation>C&amp;errar</translation>
    </message>
    <message>
        <source>Close the help (Escape or Ctrl+W)</source>
        <translation>Cerrar la ayuda (Esc o Ctrl+W)</translation>
    </message>
    <message>
        <source>No help is available.</source>
        <translation>No hay ayuda disponible.</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>&amp;Type the first letters of the word you are looking for:</source>
        <translation>&amp;Escriba las primeras letras de la palabra que busca:</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Type words to find every page that holds them, then press Enter:</source>
        <translation>Escriba palabras para encontrar las páginas que las contienen y pulse Intro:</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Marklow Help - </source>
        <translation>Ayuda de Marklow - </translation>
    </message>
</context>
<context>
    <name>LettersPage</name>
    <message>
        <source>Grade Book Letter Option files (*.gln)</source>
        <translation>Archivos de opciones de letras (*.gln)</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Clear the currently selected table</source>
        <translation>Vaciar la tabla seleccionada</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>Cargar</translation>
    </message>
    <message>
        <source>Load both tables from a file</source>
        <translation>Cargar ambas tablas desde un archivo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Save both tables to a file</source>
        <translation>Guardar ambas tablas en un archivo</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Sort the currently selected table</source>
        <translation>Ordenar la tabla seleccionada</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete the current row in the currently selected table</source>
        <translation>Eliminar la fila actual de la tabla seleccionada</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Show letter grades in computed averages</source>
        <translation>Mostrar letras en los promedios calculados</translation>
    </message>
    <message>
        <source>Letters to Numbers</source>
        <translation>Letras a números</translation>
    </message>
    <message>
        <source>Numbers to Letters</source>
        <translation>Números a letras</translation>
    </message>
    <message>
        <source>Load Letter Options</source>
        <translation>Cargar opciones de letras</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Save Letter Options</source>
        <translation>Guardar opciones de letras</translation>
    </message>
    <message>
        <source>The percentage each letter typed as an entry stands for</source>
        <translation>El porcentaje que representa cada letra escrita como entrada</translation>
    </message>
    <message>
        <source>The lowest average that gets each letter</source>
        <translation>El promedio más bajo que recibe cada letra</translation>
    </message>
</context>
<context>
    <name>MissingPage</name>
    <message>
        <source>Missing work (M) counts as this percentage</source>
        <translation>Un trabajo no entregado (M) cuenta como este porcentaje</translation>
    </message>
    <message>
        <source>From 0 to 100 percent of the grade&apos;s points; 0 counts missing work as zero</source>
        <translation>De 0 a 100 por ciento de los puntos de la calificación; con 0, un trabajo no entregado cuenta como cero</translation>
    </message>
    <message>
        <source>Blank entries count as missing after the grade&apos;s date</source>
        <translation>Las entradas vacías cuentan como no entregadas después de la fecha de la calificación</translation>
    </message>
    <message>
        <source>Off: a blank entry does not count. Grades without a date never count a blank as missing</source>
        <translation>Desactivado: una entrada vacía no cuenta. Las calificaciones sin fecha nunca cuentan una entrada vacía como no entregada</translation>
    </message>
    <message>
        <source>Type EX to excuse a student from a grade: it leaves the grade out of the student&apos;s average. Type M or MI for missing work.</source>
        <translation>Escriba EX para dejar exento a un estudiante de una calificación: la calificación queda fuera de su promedio. Escriba M o MI para un trabajo no entregado.</translation>
    </message>
    <message>
        <source>Missing work must count as a percentage from 0 to 100</source>
        <translation>Un trabajo no entregado debe contar como un porcentaje de 0 a 100</translation>
    </message>
</context>
<context>
    <name>OptionFolder</name>
    <message>
        <source>These texts hold characters that an option file cannot store; they were saved with &quot;?&quot; in their place:</source>
        <translation>Estos textos contienen caracteres que un archivo de opciones no puede guardar; se guardaron con «?» en su lugar:</translation>
    </message>
</context>
<context>
    <name>OptionsDialog</name>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Pesos</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Visualización</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Missing Work</source>
        <translation>Trabajo no entregado</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>The report has no pages to print.</source>
        <translation>El informe no tiene páginas para imprimir.</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>No se pudo iniciar la impresora.</translation>
    </message>
    <message>
        <source>A new page could not be started.</source>
        <translation>No se pudo empezar una página nueva.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>PasswordDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>New passwords don&apos;t match</source>
        <translation>Las contraseñas nuevas no coinciden</translation>
    </message>
    <message>
        <source>Password can not be blank</source>
        <translation>La contraseña no puede estar vacía</translation>
    </message>
    <message>
        <source>Password has characters that can not be saved</source>
        <translation>La contraseña tiene caracteres que no se pueden guardar</translation>
    </message>
    <message>
        <source>Password Dialog</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Enter password:</source>
        <translation>Introduzca la contraseña:</translation>
    </message>
    <message>
        <source>Password is incorrect</source>
        <translation>La contraseña no es correcta</translation>
    </message>
    <message>
        <source>New Password</source>
        <translation>Contraseña nueva</translation>
    </message>
    <message>
        <source>Enter new password:</source>
        <translation>Introduzca la contraseña nueva:</translation>
    </message>
    <message>
        <source>Reenter new password:</source>
        <translation>Repita la contraseña nueva:</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Enter current password:</source>
        <translation>Introduzca la contraseña actual:</translation>
    </message>
    <message>
        <source>Current Password is incorrect</source>
        <translation>La contraseña actual no es correcta</translation>
    </message>
    <message>
        <source>The password this gradebook was saved with</source>
        <translation>La contraseña con la que se guardó este libro de calificaciones</translation>
    </message>
    <message>
        <source>The password the gradebook has now</source>
        <translation>La contraseña que tiene ahora el libro de calificaciones</translation>
    </message>
    <message>
        <source>The password the gradebook will ask for when opened</source>
        <translation>La contraseña que pedirá el libro de calificaciones al abrirse</translation>
    </message>
    <message>
        <source>The new password once more, to catch a typing mistake</source>
        <translation>La nueva contraseña otra vez, para detectar errores de escritura</translation>
    </message>
</context>
<context>
    <name>PreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Ajustar</translation>
    </message>
    <message>
        <source>Zoom to Fit</source>
        <translation>Ajustar a la ventana</translation>
    </message>
    <message>
        <source>Zoom to 100%</source>
        <translation>Zoom al 100 %</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Ancho</translation>
    </message>
    <message>
        <source>Zoom to Width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>First Page</source>
        <translation>Primera página</translation>
    </message>
    <message>
        <source>Prev</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Last Page</source>
        <translation>Última página</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configurar</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>No pages</source>
        <translation>Sin páginas</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>PrintChartDialog</name>
    <message>
        <source>Print Chart</source>
        <translation>Imprimir gráfico</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Opción</translation>
    </message>
    <message>
        <source>Chart graphic</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Chart description and detail</source>
        <translation>Descripción y detalle del gráfico</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>Con&amp;figurar</translation>
    </message>
    <message>
        <source>Print the chart as on screen, on one page</source>
        <translation>Imprimir el gráfico como en pantalla, en una página</translation>
    </message>
    <message>
        <source>Print a description of the chart and a line for every value in it</source>
        <translation>Imprimir una descripción del gráfico y una línea por cada uno de sus valores</translation>
    </message>
    <message>
        <source>Show the pages on screen before printing them</source>
        <translation>Mostrar las páginas en pantalla antes de imprimirlas</translation>
    </message>
    <message>
        <source>Preview or print the chosen printout</source>
        <translation>Previsualizar o imprimir la impresión elegida</translation>
    </message>
    <message>
        <source>Choose the printer, the paper and its orientation, or printing to a PDF file</source>
        <translation>Elegir la impresora, el papel y su orientación, o imprimir en un archivo PDF</translation>
    </message>
</context>
<context>
    <name>PrintController</name>
    <message>
        <source>gradebook</source>
        <translation>libro de calificaciones</translation>
    </message>
    <message>
        <source>grading criteria</source>
        <translation>criterios de calificación</translation>
    </message>
    <message>
        <source>progress</source>
        <translation>progreso</translation>
    </message>
    <message>
        <source>The %1 report is not available yet.</source>
        <translation>El informe «%1» aún no está disponible.</translation>
    </message>
    <message>
        <source>detailed progress</source>
        <translation>progreso detallado</translation>
    </message>
</context>
<context>
    <name>PrintDialog</name>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Report Type</source>
        <translation>Tipo de informe</translation>
    </message>
    <message>
        <source>Gradebook</source>
        <translation>Libro de calificaciones</translation>
    </message>
    <message>
        <source>Grade Criteria</source>
        <translation>Criterios de calificación</translation>
    </message>
    <message>
        <source>Progress Report(s)</source>
        <translation>Informe(s) de progreso</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Shade Curved Grades</source>
        <translation>Sombrear calificaciones con curva</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientación</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Omit grades after last entry</source>
        <translation>Omitir calificaciones tras la última entrada</translation>
    </message>
    <message>
        <source>Print grade</source>
        <translation>Imprimir calificación</translation>
    </message>
    <message>
        <source>Exactly as entered</source>
        <translation>Tal como se introdujo</translation>
    </message>
    <message>
        <source>Numbers only</source>
        <translation>Solo números</translation>
    </message>
    <message>
        <source>Letters only</source>
        <translation>Solo letras</translation>
    </message>
    <message>
        <source>Numbers and Letters</source>
        <translation>Números y letras</translation>
    </message>
    <message>
        <source>Print student</source>
        <translation>Imprimir estudiante</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>IDs</source>
        <translation>Identificadores</translation>
    </message>
    <message>
        <source>Students</source>
        <translation>Estudiantes</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todos</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Seleccionados</translation>
    </message>
    <message>
        <source>&amp;Setup</source>
        <translation>Con&amp;figurar</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Detailed progress report</source>
        <translation>Informe de progreso detallado</translation>
    </message>
    <message>
        <source>Print the whole table of students, averages and entries</source>
        <translation>Imprimir la tabla completa de estudiantes, promedios y entradas</translation>
    </message>
    <message>
        <source>Print how the final grade is made up from categories and grades</source>
        <translation>Imprimir cómo se compone la calificación final a partir de categorías y calificaciones</translation>
    </message>
    <message>
        <source>Print one page per student with the average and every grade</source>
        <translation>Imprimir una página por estudiante con el promedio y cada calificación</translation>
    </message>
    <message>
        <source>Print for each student the categories, every grade, the final average and a comment</source>
        <translation>Imprimir para cada estudiante las categorías, cada calificación, el promedio final y un comentario</translation>
    </message>
    <message>
        <source>Show the pages on screen before printing them</source>
        <translation>Mostrar las páginas en pantalla antes de imprimirlas</translation>
    </message>
    <message>
        <source>Print curved entries on a grey background</source>
        <translation>Imprimir las entradas con curva sobre fondo gris</translation>
    </message>
    <message>
        <source>Print the pages upright, 8 grade columns a page</source>
        <translation>Imprimir las páginas en vertical, 8 columnas de calificaciones por página</translation>
    </message>
    <message>
        <source>Print the pages sideways, 12 grade columns a page</source>
        <translation>Imprimir las páginas en horizontal, 12 columnas de calificaciones por página</translation>
    </message>
    <message>
        <source>Leave out the grades at the right end that nobody has an entry in yet</source>
        <translation>Omitir las calificaciones del extremo derecho en las que nadie tiene aún una entrada</translation>
    </message>
    <message>
        <source>Print each entry as it was typed, comments included</source>
        <translation>Imprimir cada entrada tal como se escribió, con los comentarios</translation>
    </message>
    <message>
        <source>Print each entry as points, letters turned into numbers</source>
        <translation>Imprimir cada entrada como puntos, con las letras convertidas en números</translation>
    </message>
    <message>
        <source>Print each entry&apos;s letter</source>
        <translation>Imprimir la letra de cada entrada</translation>
    </message>
    <message>
        <source>Print each entry as points and letter, such as 85=B</source>
        <translation>Imprimir cada entrada como puntos y letra, por ejemplo 85=B</translation>
    </message>
    <message>
        <source>Print each student&apos;s name</source>
        <translation>Imprimir el nombre de cada estudiante</translation>
    </message>
    <message>
        <source>Print each student&apos;s ID instead of the name</source>
        <translation>Imprimir el identificador de cada estudiante en lugar del nombre</translation>
    </message>
    <message>
        <source>Print a report for every student</source>
        <translation>Imprimir un informe para cada estudiante</translation>
    </message>
    <message>
        <source>Print a report only for the student chosen in the list</source>
        <translation>Imprimir un informe solo para el estudiante elegido en la lista</translation>
    </message>
    <message>
        <source>The student whose report is printed with Selected</source>
        <translation>El estudiante cuyo informe se imprime con Seleccionado</translation>
    </message>
    <message>
        <source>Choose the printer, the paper, the copies and the pages for the chosen report</source>
        <translation>Elegir la impresora, el papel, las copias y las páginas del informe elegido</translation>
    </message>
    <message>
        <source>Preview or print the chosen report</source>
        <translation>Previsualizar o imprimir el informe elegido</translation>
    </message>
</context>
<context>
    <name>PrintProgress</name>
    <message>
        <source>Printing progress</source>
        <translation>Progreso de impresión</translation>
    </message>
    <message>
        <source>Preparing pages</source>
        <translation>Preparando las páginas</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Printing page %1 of %2</source>
        <translation>Imprimiendo la página %1 de %2</translation>
    </message>
    <message>
        <source>Printing page %1</source>
        <translation>Imprimiendo la página %1</translation>
    </message>
    <message>
        <source>Stop printing at the next page</source>
        <translation>Detener la impresión en la página siguiente</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>No printer is available. Choose &quot;Print to File (PDF)&quot; in the printer setup to save the report as a PDF file.</source>
        <translation>No hay ninguna impresora disponible. Elija «Imprimir en archivo (PDF)» en la configuración de la impresora para guardar el informe como PDF.</translation>
    </message>
    <message>
        <source>No file was named for the PDF. Name one in the printer setup.</source>
        <translation>No se indicó ningún archivo para el PDF. Indique uno en la configuración de la impresora.</translation>
    </message>
    <message>
        <source>The printer reported an error; the report may not have been printed.</source>
        <translation>La impresora informó de un error; es posible que el informe no se haya impreso.</translation>
    </message>
    <message>
        <source>The report has no pages to print.</source>
        <translation>El informe no tiene páginas para imprimir.</translation>
    </message>
    <message>
        <source>Printing was cancelled; the file was not written.</source>
        <translation>La impresión se canceló; no se escribió el archivo.</translation>
    </message>
    <message>
        <source>The report could not be printed.</source>
        <translation>No se pudo imprimir el informe.</translation>
    </message>
    <message numerus="yes">
        <source>Printing was cancelled after %n page(s).</source>
        <translation>
            <numerusform>La impresión se canceló después de %n página.</numerusform>
            <numerusform>La impresión se canceló después de %n páginas.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressForm</name>
    <message>
        <source>Teacher</source>
        <translation>Docente</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>N.º de clase</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Grade Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Grade</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Progress Reports for %1</source>
        <translation>Informes de progreso de %1</translation>
    </message>
    <message>
        <source>There are no students to print progress reports for.</source>
        <translation>No hay estudiantes para los que imprimir informes de progreso.</translation>
    </message>
    <message>
        <source>Choose the student to print a progress report for.</source>
        <translation>Elija el estudiante para el que imprimir un informe de progreso.</translation>
    </message>
    <message>
        <source>excused</source>
        <translation>exento</translation>
    </message>
    <message>
        <source>missing %1</source>
        <translation>no entregado %1</translation>
    </message>
</context>
<context>
    <name>Prompts</name>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Later</source>
        <translation>Más &amp;tarde</translation>
    </message>
    <message>
        <source>Printer Setup</source>
        <translation>Configurar impresora</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>Muestra</translation>
    </message>
</context>
<context>
    <name>PropertyDialogs</name>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observaciones</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Omit zeros from class averages</source>
        <translation>Omitir ceros en los promedios de la clase</translation>
    </message>
    <message>
        <source>Points are weights</source>
        <translation>Los puntos son pesos</translation>
    </message>
    <message>
        <source>Default Points</source>
        <translation>Puntos predeterminados</translation>
    </message>
    <message>
        <source>Default Weight</source>
        <translation>Peso predeterminado</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>All Grades</source>
        <translation>Todas las calificaciones</translation>
    </message>
    <message>
        <source>Student Properties</source>
        <translation>Propiedades del estudiante</translation>
    </message>
    <message>
        <source>New Student Properties</source>
        <translation>Propiedades del nuevo estudiante</translation>
    </message>
    <message>
        <source>Grade Properties</source>
        <translation>Propiedades de la calificación</translation>
    </message>
    <message>
        <source>New Grade Properties</source>
        <translation>Propiedades de la nueva calificación</translation>
    </message>
    <message>
        <source>The student&apos;s name as the gradebook shows it</source>
        <translation>El nombre del estudiante tal como lo muestra el libro de calificaciones</translation>
    </message>
    <message>
        <source>The student&apos;s ID, such as a school number</source>
        <translation>El identificador del estudiante, por ejemplo un número escolar</translation>
    </message>
    <message>
        <source>Anything you want to note about the student</source>
        <translation>Cualquier cosa que quiera anotar sobre el estudiante</translation>
    </message>
    <message>
        <source>The grade&apos;s name, shown at the top of its column</source>
        <translation>El nombre de la calificación, mostrado en lo alto de su columna</translation>
    </message>
    <message>
        <source>The day the grade was given</source>
        <translation>El día en que se puso la calificación</translation>
    </message>
    <message>
        <source>Anything about the grade, such as the chapters a test covered</source>
        <translation>Cualquier cosa sobre la calificación, por ejemplo los capítulos que cubrió un examen</translation>
    </message>
    <message>
        <source>The points every new grade starts with</source>
        <translation>Los puntos con los que empieza cada calificación nueva</translation>
    </message>
    <message>
        <source>The weight every new grade starts with</source>
        <translation>El peso con el que empieza cada calificación nueva</translation>
    </message>
    <message>
        <source>Leave entries worth 0 percent out of the class averages</source>
        <translation>Dejar fuera de los promedios de la clase las entradas que valen 0 por ciento</translation>
    </message>
    <message>
        <source>Weigh every grade by its points instead of its weight</source>
        <translation>Ponderar cada calificación por sus puntos en lugar de por su peso</translation>
    </message>
    <message>
        <source>The student&apos;s login or e-mail address, as a class list gives it</source>
        <translation>El usuario o correo electrónico del estudiante, tal como lo da una lista de clase</translation>
    </message>
    <message>
        <source>Login or e-mail</source>
        <translation>Usuario o correo</translation>
    </message>
    <message>
        <source>This extra credit weighs as much as a regular grade of its category: a full score adds a whole grade to the average, which can then pass 100 percent. A smaller weight (or fewer points) gives a smaller bonus.</source>
        <translation>Este crédito extra pesa tanto como una calificación normal de su categoría: una puntuación completa suma una calificación entera al promedio, que entonces puede superar el 100 por ciento. Un peso menor (o menos puntos) da una bonificación menor.</translation>
    </message>
    <message>
        <source>No date</source>
        <translation>Sin fecha</translation>
    </message>
    <message>
        <source>The grade has no date: reports leave it blank and sorting by date puts it last</source>
        <translation>La calificación no tiene fecha: los informes dejan la fecha en blanco y al ordenar por fecha queda al final</translation>
    </message>
</context>
<context>
    <name>TDetailedProgressForm</name>
    <message>
        <source>Grade</source>
        <translation>Calificación</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Out of</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Porc.</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letra</translation>
    </message>
    <message>
        <source>Class average</source>
        <translation>Prom. clase</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>Progress Report</source>
        <translation>Informe de progreso</translation>
    </message>
    <message>
        <source>(continued)</source>
        <translation>(continuación)</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Teacher</source>
        <translation>Docente</translation>
    </message>
    <message>
        <source>Class Number</source>
        <translation>N.º de clase</translation>
    </message>
    <message>
        <source>Student</source>
        <translation>Estudiante</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>Final average</source>
        <translation>Promedio final</translation>
    </message>
    <message>
        <source>An entry that could not be read does not count.</source>
        <translation>Una entrada que no se pudo leer no cuenta.</translation>
    </message>
    <message>
        <source>Teacher&apos;s comment</source>
        <translation>Comentario del docente</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Progress Report for %1</source>
        <translation>Informe de progreso de %1</translation>
    </message>
    <message>
        <source>Progress Reports for %1</source>
        <translation>Informes de progreso de %1</translation>
    </message>
    <message>
        <source>There are no students to print progress reports for.</source>
        <translation>No hay estudiantes para los que imprimir informes de progreso.</translation>
    </message>
    <message>
        <source>Choose the student to print a progress report for.</source>
        <translation>Elija el estudiante para el que imprimir un informe de progreso.</translation>
    </message>
    <message>
        <source>All grades</source>
        <translation>Todas las calificaciones</translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation>(sin nombre)</translation>
    </message>
    <message>
        <source>%1 of the final grade</source>
        <translation>%1 de la calificación final</translation>
    </message>
    <message>
        <source>lowest grade dropped</source>
        <translation>se descarta la calificación más baja</translation>
    </message>
    <message>
        <source>Average: %1</source>
        <translation>Promedio: %1</translation>
    </message>
    <message>
        <source>Class: %1</source>
        <translation>Clase: %1</translation>
    </message>
    <message>
        <source>%1 curve</source>
        <translation>curva de %1</translation>
    </message>
    <message>
        <source>dropped</source>
        <translation>descartada</translation>
    </message>
    <message>
        <source>extra credit</source>
        <translation>crédito extra</translation>
    </message>
    <message>
        <source>not counted</source>
        <translation>no cuenta</translation>
    </message>
    <message>
        <source>excused</source>
        <translation>exento</translation>
    </message>
    <message>
        <source>missing, counted as %1</source>
        <translation>no entregado, cuenta como %1</translation>
    </message>
    <message>
        <source>not graded yet</source>
        <translation>aún sin calificar</translation>
    </message>
</context>
<context>
    <name>TDocumentLifecycle</name>
    <message>
        <source>Grade Book Files (*.gbd *.GBD);;All Files (*)</source>
        <translation>Libros de calificaciones (*.gbd *.GBD);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The preferences could not be written to %1</source>
        <translation>No se pudieron guardar las preferencias en %1</translation>
    </message>
    <message>
        <source>Save Changes to %1</source>
        <translation>¿Guardar los cambios de %1?</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a gradebook file that Marklow can read.</source>
        <translation>«%1» no es un archivo de libro de calificaciones que Marklow pueda leer.</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>These texts hold characters that a gradebook file cannot store; they were saved with &quot;?&quot; in their place:</source>
        <translation>Estos textos contienen caracteres que un libro de calificaciones no puede guardar; se guardaron con «?» en su lugar:</translation>
    </message>
    <message>
        <source>Marklow - %1</source>
        <translation>Marklow - %1</translation>
    </message>
</context>
<context>
    <name>TGradebookCommand</name>
    <message>
        <source>Change Curve</source>
        <translation>Cambiar curva</translation>
    </message>
    <message>
        <source>Delete Student</source>
        <translation>Eliminar estudiante</translation>
    </message>
    <message>
        <source>Delete Grade</source>
        <translation>Eliminar calificación</translation>
    </message>
    <message>
        <source>Move Student</source>
        <translation>Mover estudiante</translation>
    </message>
    <message>
        <source>Move Grade</source>
        <translation>Mover calificación</translation>
    </message>
    <message>
        <source>Toggle Edit Mode</source>
        <translation>Cambiar modo de edición</translation>
    </message>
    <message>
        <source>Letter Averages</source>
        <translation>Promedios con letras</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
    <message>
        <source>New Student</source>
        <translation>Nuevo estudiante</translation>
    </message>
    <message>
        <source>Student Properties</source>
        <translation>Propiedades del estudiante</translation>
    </message>
    <message>
        <source>New Grade</source>
        <translation>Nueva calificación</translation>
    </message>
    <message>
        <source>Grade Properties</source>
        <translation>Propiedades de la calificación</translation>
    </message>
    <message>
        <source>Sort Students</source>
        <translation>Ordenar estudiantes</translation>
    </message>
    <message>
        <source>Sort Grades</source>
        <translation>Ordenar calificaciones</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>Escritura</translation>
    </message>
</context>
<context>
    <name>WeightsPage</name>
    <message>
        <source>Grade Name</source>
        <translation>Nombre de la calificación</translation>
    </message>
    <message>
        <source>Points are Weights</source>
        <translation>Los puntos son pesos</translation>
    </message>
    <message>
        <source>The grade whose settings are shown below</source>
        <translation>La calificación cuyos ajustes se muestran abajo</translation>
    </message>
    <message>
        <source>Count each grade within its category by its points instead of its weight</source>
        <translation>Contar cada calificación dentro de su categoría por sus puntos en lugar de por su peso</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Entry of &quot;%1&quot; for grade &quot;%2&quot; &amp; student &quot;%3&quot; is invalid</source>
        <translation>La entrada «%1» de la calificación «%2» para el estudiante «%3» no es válida</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; needs at least two grades assigned to drop the lowest</source>
        <translation>La categoría «%1» necesita al menos dos calificaciones asignadas para descartar la más baja</translation>
    </message>
    <message>
        <source>Weights are not equal dropping this lowest in category &quot;%1&quot;</source>
        <translation>Los pesos no son iguales al descartar la más baja en la categoría «%1»</translation>
    </message>
    <message>
        <source>Percent of grade for category &quot;%1&quot; is zero</source>
        <translation>El porcentaje de la calificación final de la categoría «%1» es cero</translation>
    </message>
    <message>
        <source>Category &quot;%1&quot; has no grades assigned</source>
        <translation>La categoría «%1» no tiene calificaciones asignadas</translation>
    </message>
    <message>
        <source>Points for grade &quot;%1&quot; is zero or blank</source>
        <translation>Los puntos de la calificación «%1» son cero o están vacíos</translation>
    </message>
    <message>
        <source>Weight for grade &quot;%1&quot; is zero or blank</source>
        <translation>El peso de la calificación «%1» es cero o está vacío</translation>
    </message>
    <message>
        <source>Grade name number %1 is blank</source>
        <translation>El nombre de la calificación número %1 está vacío</translation>
    </message>
    <message>
        <source>Student name number %1 is blank</source>
        <translation>El nombre del estudiante número %1 está vacío</translation>
    </message>
    <message>
        <source>Category in row %1 is blank</source>
        <translation>La categoría de la fila %1 está vacía</translation>
    </message>
    <message>
        <source>Percent of grade entries do not total 100</source>
        <translation>Los porcentajes de la calificación final no suman 100</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>%1 entry of &quot;%2&quot; for student %3 is invalid</source>
        <translation>La entrada «%2» de %1 para el estudiante %3 no es válida</translation>
    </message>
    <message>
        <source>The class has %1 students; a copy can carry at most %2. Nothing was copied.</source>
        <translation>La clase tiene %1 estudiantes; una copia admite como máximo %2. No se copió nada.</translation>
    </message>
    <message>
        <source>These texts hold characters that the clipboard&apos;s class list cannot carry; they were copied with &quot;?&quot; in their place:
%1</source>
        <translation>Estos textos contienen caracteres que la lista de clase del portapapeles no admite; se copiaron con «?» en su lugar:
%1</translation>
    </message>
    <message>
        <source>%1: Not a regular file (%2)</source>
        <translation>%1: No es un archivo normal (%2)</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>una tubería con nombre</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un archivo especial</translation>
    </message>
    <message>
        <source>%1: File is too large</source>
        <translation>%1: El archivo es demasiado grande</translation>
    </message>
    <message>
        <source>Too many %1 to be stored in the file</source>
        <translation>Se supera el número de %1 que el archivo puede guardar</translation>
    </message>
    <message>
        <source>items in a list</source>
        <translation>elementos de una lista</translation>
    </message>
    <message>
        <source>categories</source>
        <translation>categorías</translation>
    </message>
    <message>
        <source>letters</source>
        <translation>letras</translation>
    </message>
    <message>
        <source>grades</source>
        <translation>calificaciones</translation>
    </message>
    <message>
        <source>students</source>
        <translation>estudiantes</translation>
    </message>
    <message>
        <source>The password has characters or a length that the file cannot hold</source>
        <translation>La contraseña tiene caracteres o una longitud que el archivo no puede guardar</translation>
    </message>
    <message>
        <source>File Read Error
%1</source>
        <translation>Error al leer el archivo
%1</translation>
    </message>
    <message>
        <source>File Read Error</source>
        <translation>Error al leer el archivo</translation>
    </message>
    <message>
        <source>Delete Number %1 to Letter %2</source>
        <translation>Eliminar número %1 a letra %2</translation>
    </message>
    <message>
        <source>Delete Letter %1 to Number %2</source>
        <translation>Eliminar letra %1 a número %2</translation>
    </message>
    <message>
        <source>Discard Number to Letter table</source>
        <translation>Descartar la tabla de números a letras</translation>
    </message>
    <message>
        <source>Discard Letter to Number table</source>
        <translation>Descartar la tabla de letras a números</translation>
    </message>
    <message>
        <source>Delete Category - %1</source>
        <translation>Eliminar categoría - %1</translation>
    </message>
    <message>
        <source>(unnamed, column %1)</source>
        <translation>(sin nombre, columna %1)</translation>
    </message>
    <message>
        <source>Percentage of Grade</source>
        <translation>Porcentaje de la calificación final</translation>
    </message>
    <message>
        <source>Drop the Lowest</source>
        <translation>Descartar la más baja</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Letters</source>
        <translation>Letras</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Números</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>Count %1, Mean %2 of %3, Std Dev %4</source>
        <translation>Cantidad %1, media %2 de %3, desv. est. %4</translation>
    </message>
    <message>
        <source>Count %1, Mean %2, Std Dev %3</source>
        <translation>Cantidad %1, media %2, desv. est. %3</translation>
    </message>
    <message>
        <source>Median %1, Min %2, Max %3</source>
        <translation>Mediana %1, mín. %2, máx. %3</translation>
    </message>
    <message>
        <source>Class Averages</source>
        <translation>Promedios de la clase</translation>
    </message>
    <message>
        <source>Student Averages</source>
        <translation>Promedios de los estudiantes</translation>
    </message>
    <message>
        <source>Line %1 opens a quoted field that is never closed.</source>
        <translation>La línea %1 abre un campo entre comillas que nunca se cierra.</translation>
    </message>
    <message>
        <source>Line %1 is longer than 1 MB, so this is not a class list (or a quote in it is never closed).</source>
        <translation>La línea %1 tiene más de 1 MB, así que no es una lista de clase (o una comilla en ella nunca se cierra).</translation>
    </message>
    <message>
        <source>The file has more than %1 lines; a class list is far shorter.</source>
        <translation>El archivo tiene más de %1 líneas; una lista de clase es mucho más corta.</translation>
    </message>
    <message>
        <source>The file is larger than 128 MB, so it is not a class list.</source>
        <translation>El archivo ocupa más de 128 MB, así que no es una lista de clase.</translation>
    </message>
    <message>
        <source>The file holds NUL bytes, so it is not a text file. Save the class list as CSV (comma-separated values) and import that.</source>
        <translation>El archivo contiene bytes NUL, así que no es un archivo de texto. Guarde la lista de clase como CSV (valores separados por comas) e importe ese archivo.</translation>
    </message>
    <message>
        <source>The file is empty: it holds no class list.</source>
        <translation>El archivo está vacío: no contiene ninguna lista de clase.</translation>
    </message>
    <message>
        <source>The class list has no column of names. It needs a column named Name or Student, or First name and Last name; or choose the columns.</source>
        <translation>La lista de clase no tiene una columna de nombres. Necesita una columna llamada Nombre o Estudiante, o las columnas Nombre y Apellidos; o elija las columnas.</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Extra-credit grade &quot;%1&quot; weighs as much as a regular grade of its category: a full score adds a whole grade to the average</source>
        <translation>La calificación de crédito extra «%1» pesa tanto como una calificación normal de su categoría: una puntuación completa suma una calificación entera al promedio</translation>
    </message>
    <message>
        <source>%1: The file is read-only, so it was not saved. Save it under another name, or make it writable first.</source>
        <translation>%1: El archivo es de solo lectura, así que no se guardó. Guárdelo con otro nombre o permita antes escribir en él.</translation>
    </message>
    <message>
        <source>%1: Is a symbolic link, and exports and printouts are never written through one. Name the file it points to.</source>
        <translation>%1: Es un enlace simbólico, y las exportaciones y las impresiones nunca se escriben a través de uno. Indique el archivo al que apunta.</translation>
    </message>
    <message>
        <source>%1: Not saved: the old file cannot be kept as the backup, because there is no room for a copy of it (%2) and this folder cannot give it a second name. Free some space, or save under another name.</source>
        <translation>%1: No se guardó: el archivo anterior no puede conservarse como copia de seguridad, porque no hay espacio para copiarlo (%2) y esta carpeta no puede darle un segundo nombre. Libere espacio o guarde con otro nombre.</translation>
    </message>
    <message>
        <source>The output file has no name</source>
        <translation>El archivo de salida no tiene nombre</translation>
    </message>
</context>
<context>
    <name>marklow::TCategoriesPage</name>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Each category&apos;s name, its percent and whether its lowest grade is dropped</source>
        <translation>El nombre de cada categoría, su porcentaje y si se descarta su calificación más baja</translation>
    </message>
</context>
<context>
    <name>marklow::TCheckForm</name>
    <message>
        <source>Problems found</source>
        <translation>Problemas encontrados</translation>
    </message>
</context>
<context>
    <name>marklow::TEditCommands</name>
    <message>
        <source>Delete Student-%1</source>
        <translation>Eliminar estudiante - %1</translation>
    </message>
    <message>
        <source>Delete Grade-%1</source>
        <translation>Eliminar calificación - %1</translation>
    </message>
</context>
<context>
    <name>marklow::TExportLmsDlg</name>
    <message>
        <source>Canvas</source>
        <translation>Canvas</translation>
    </message>
    <message>
        <source>Moodle</source>
        <translation>Moodle</translation>
    </message>
    <message>
        <source>Scores Table</source>
        <translation>Tabla de puntuaciones</translation>
    </message>
    <message>
        <source>the student in row %1</source>
        <translation>el estudiante de la fila %1</translation>
    </message>
    <message>
        <source>student &quot;%1&quot;</source>
        <translation>el estudiante «%1»</translation>
    </message>
    <message>
        <source>%1 has no ID: the import cannot match the row by ID</source>
        <translation>%1 no tiene identificador: no se puede asociar por ID</translation>
    </message>
    <message>
        <source>%1 has the ID &quot;%2&quot; of %3: the import gives both rows to one student</source>
        <translation>%1 tiene el mismo identificador «%2» que %3: la importación asigna ambas filas a un solo estudiante</translation>
    </message>
    <message>
        <source>Grade &quot;%1&quot; is out of no points: its entries are left blank</source>
        <translation>La calificación «%1» no tiene puntos: sus entradas se dejan vacías</translation>
    </message>
    <message>
        <source>Grade %1 has no name: written as &quot;%2&quot;</source>
        <translation>La calificación %1 no tiene nombre: se escribe como «%2»</translation>
    </message>
    <message>
        <source>Grade name &quot;%1&quot; is taken: written as &quot;%2&quot;</source>
        <translation>El nombre de calificación «%1» ya existe: se escribe como «%2»</translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportar...</translation>
    </message>
    <message>
        <source>Export Scores Table</source>
        <translation>Exportar tabla de puntuaciones</translation>
    </message>
    <message>
        <source>Export for %1</source>
        <translation>Exportar para %1</translation>
    </message>
    <message>
        <source>%1 and %2 will be written.</source>
        <translation>Se escribirán %1 y %2.</translation>
    </message>
    <message>
        <source>1 student</source>
        <translation>1 estudiante</translation>
    </message>
    <message>
        <source>1 grade</source>
        <translation>1 calificación</translation>
    </message>
    <message>
        <source>Each score in points with the curve added, a letter as its share of the grade&apos;s points. Canvas matches students by their SIS User ID: the student&apos;s ID.</source>
        <translation>Cada puntuación en puntos con la curva sumada; una letra, como su parte de los puntos de la calificación. Canvas asocia a los estudiantes por su SIS User ID: el identificador del estudiante.</translation>
    </message>
    <message>
        <source>Each grade&apos;s points with the curve added, then the average and its letter, for a spreadsheet or any other system.</source>
        <translation>Los puntos de cada calificación con la curva sumada, luego el promedio y su letra, para una hoja de cálculo o cualquier otro sistema.</translation>
    </message>
    <message>
        <source>Nothing to warn about.</source>
        <translation>No hay advertencias.</translation>
    </message>
    <message>
        <source>&amp;Look at this warning first:</source>
        <translation>&amp;Revise primero esta advertencia:</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Advertencias</translation>
    </message>
    <message>
        <source>What to look at before the export, such as students without an ID</source>
        <translation>Lo que conviene revisar antes de exportar, por ejemplo estudiantes sin identificador</translation>
    </message>
    <message>
        <source>Choose a file and write the grades into it</source>
        <translation>Elegir un archivo y escribir en él las calificaciones</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for the student in row %3 cannot be read: left blank</source>
        <translation>No se puede leer la entrada «%2» de «%1» del estudiante de la fila %3: se deja vacía</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for student &quot;%3&quot; cannot be read: left blank</source>
        <translation>No se puede leer la entrada «%2» de «%1» del estudiante «%3»: se deja vacía</translation>
    </message>
    <message numerus="yes">
        <source>%n students</source>
        <translation>
            <numerusform>%n estudiante</numerusform>
            <numerusform>%n estudiantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n grades</source>
        <translation>
            <numerusform>%n calificación</numerusform>
            <numerusform>%n calificaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>&amp;Look at these %n warnings first:</source>
        <translation>
            <numerusform>&amp;Revise primero esta advertencia:</numerusform>
            <numerusform>&amp;Revise primero estas %n advertencias:</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 has no e-mail address, which the import is to identify students by: left out</source>
        <translation>%1 no tiene correo electrónico, por el que la importación debe identificar a los estudiantes: se omite</translation>
    </message>
    <message>
        <source>%1 has no username, which the import is to identify students by: left out</source>
        <translation>%1 no tiene nombre de usuario, por el que la importación debe identificar a los estudiantes: se omite</translation>
    </message>
    <message>
        <source>%1 has no ID number, which the import is to identify students by: left out</source>
        <translation>%1 no tiene número de ID, por el que la importación debe identificar a los estudiantes: se omite</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for %3 is above the grade&apos;s %4 points, which Moodle refuses: written as %4</source>
        <translation>La entrada «%2» de «%1» para %3 supera los %4 puntos de la calificación, lo que Moodle rechaza: se escribe como %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; entry of &quot;%2&quot; for %3 is above the grade&apos;s %4 points, which Moodle refuses: written as it is</source>
        <translation>La entrada «%2» de «%1» para %3 supera los %4 puntos de la calificación, lo que Moodle rechaza: se escribe tal cual</translation>
    </message>
    <message>
        <source>Grade name &quot;%1&quot; would be dropped or misfiled by Canvas: written as &quot;%2&quot;</source>
        <translation>Canvas descartaría o clasificaría mal el nombre de calificación «%1»: se escribe como «%2»</translation>
    </message>
    <message>
        <source>&amp;Identify students by:</source>
        <translation>&amp;Identificar a los estudiantes por:</translation>
    </message>
    <message>
        <source>ID number</source>
        <translation>Número de ID</translation>
    </message>
    <message>
        <source>E-mail address</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Username</source>
        <translation>Nombre de usuario</translation>
    </message>
    <message>
        <source>What Moodle&apos;s import is to match students by; students without it are left out</source>
        <translation>El dato por el que la importación de Moodle asocia a los estudiantes; se omiten los estudiantes que no lo tienen</translation>
    </message>
    <message>
        <source>&amp;Write scores above the grade&apos;s points as the points</source>
        <translation>Escribir las puntuaciones que superan los puntos de la calificación como esos &amp;puntos</translation>
    </message>
    <message>
        <source>Moodle refuses the whole file when one score is above the grade&apos;s maximum</source>
        <translation>Moodle rechaza todo el archivo cuando una puntuación supera el máximo de la calificación</translation>
    </message>
    <message>
        <source>Each score in points with the curve added, a letter as its share of the grade&apos;s points. When importing, let Moodle identify users by the column chosen here.</source>
        <translation>Cada puntuación en puntos con la curva sumada; una letra, como su parte de los puntos de la calificación. Al importar, haga que Moodle identifique a los usuarios por la columna elegida aquí.</translation>
    </message>
    <message>
        <source>%1 has the ID &quot;%2&quot;, which a spreadsheet would run as a formula: written as it is, so that the import can match it; open the file in a spreadsheet only with care</source>
        <translation>%1 tiene el ID «%2», que una hoja de cálculo ejecutaría como fórmula: se escribe tal cual para que la importación pueda encontrarlo; abra el archivo en una hoja de cálculo solo con cuidado</translation>
    </message>
    <message>
        <source>%1 has the e-mail address &quot;%2&quot;, which a spreadsheet would run as a formula: written as it is, so that the import can match it; open the file in a spreadsheet only with care</source>
        <translation>%1 tiene la dirección de correo «%2», que una hoja de cálculo ejecutaría como fórmula: se escribe tal cual para que la importación pueda encontrarla; abra el archivo en una hoja de cálculo solo con cuidado</translation>
    </message>
</context>
<context>
    <name>marklow::TFileCommands</name>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Start with a UTF-8 byte order mark (for Excel on Windows)</source>
        <translation>Empezar con una marca de orden de bytes UTF-8 (para Excel en Windows)</translation>
    </message>
</context>
<context>
    <name>marklow::TGradebookDocument</name>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>&amp;Undo Typing</source>
        <translation>&amp;Deshacer escritura</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>marklow::TImportRosterDlg</name>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>E-mail or login</source>
        <translation>Correo o usuario</translation>
    </message>
    <message>
        <source>What happens</source>
        <translation>Qué ocurre</translation>
    </message>
    <message>
        <source>Import Roster</source>
        <translation>Importar lista de clase</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columnas</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>or &amp;First name:</source>
        <translation>o nombre de &amp;pila:</translation>
    </message>
    <message>
        <source>and &amp;Last name:</source>
        <translation>y &amp;apellidos:</translation>
    </message>
    <message>
        <source>&amp;ID:</source>
        <translation>&amp;Identificador:</translation>
    </message>
    <message>
        <source>&amp;E-mail or login:</source>
        <translation>Corr&amp;eo o usuario:</translation>
    </message>
    <message>
        <source>Names such as &quot;Lee, Ann&quot;</source>
        <translation>Nombres como «Lee, Ann»</translation>
    </message>
    <message>
        <source>&amp;As in the file (Lee, Ann)</source>
        <translation>Co&amp;mo en el archivo (Lee, Ann)</translation>
    </message>
    <message>
        <source>Students already in the gradebook are found in either order and keep their names.</source>
        <translation>Los estudiantes que ya están en el libro de calificaciones se encuentran en cualquier orden y conservan su nombre.</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Lista de clase</translation>
    </message>
    <message>
        <source>Not on the roster (kept)</source>
        <translation>No están en la lista (se conservan)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not on the roster (kept): %1</source>
        <translation>No están en la lista (se conservan): %1</translation>
    </message>
    <message>
        <source>This class list has no column of names: choose the Name column, or the First name and Last name columns.</source>
        <translation>Esta lista de clase no tiene columna de nombres: elija la columna Nombre, o las columnas de nombre de pila y apellidos.</translation>
    </message>
    <message>
        <source>Students to add: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Estudiantes que se añaden: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>In the gradebook but not on the roster, and kept: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>En el libro de calificaciones pero no en la lista, y se conservan: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Lines skipped: &lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Líneas omitidas: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Nothing to import.</source>
        <translation>No hay nada que importar.</translation>
    </message>
    <message>
        <source>Canvas gradebook export</source>
        <translation>Exportación del libro de calificaciones de Canvas</translation>
    </message>
    <message>
        <source>Moodle export</source>
        <translation>Exportación de Moodle</translation>
    </message>
    <message>
        <source>Blackboard download</source>
        <translation>Descarga de Blackboard</translation>
    </message>
    <message>
        <source>Class list</source>
        <translation>Lista de clase</translation>
    </message>
    <message>
        <source>Columns not recognised</source>
        <translation>Columnas no reconocidas</translation>
    </message>
    <message>
        <source>semicolon</source>
        <translation>punto y coma</translation>
    </message>
    <message>
        <source>tab</source>
        <translation>tabulador</translation>
    </message>
    <message>
        <source>comma</source>
        <translation>coma</translation>
    </message>
    <message>
        <source>, gets ID or login</source>
        <translation>, recibe identificador o usuario</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>Se añade</translation>
    </message>
    <message>
        <source>Is %1 (by ID)</source>
        <translation>Es %1 (por identificador)</translation>
    </message>
    <message>
        <source>Is %1 (by name)</source>
        <translation>Es %1 (por nombre)</translation>
    </message>
    <message>
        <source>Skipped: the same student as line %1</source>
        <translation>Omitida: el mismo estudiante que la línea %1</translation>
    </message>
    <message>
        <source>Skipped: no name</source>
        <translation>Omitida: sin nombre</translation>
    </message>
    <message>
        <source>Skipped: not a student</source>
        <translation>Omitida: no es un estudiante</translation>
    </message>
    <message>
        <source>The column that holds each student&apos;s whole name</source>
        <translation>La columna con el nombre completo de cada estudiante</translation>
    </message>
    <message>
        <source>The column of first names, when the names are in two columns</source>
        <translation>La columna de los nombres, cuando los nombres están en dos columnas</translation>
    </message>
    <message>
        <source>The column of last names, when the names are in two columns</source>
        <translation>La columna de los apellidos, cuando los nombres están en dos columnas</translation>
    </message>
    <message>
        <source>The column that holds each student&apos;s ID</source>
        <translation>La columna con el identificador de cada estudiante</translation>
    </message>
    <message>
        <source>The column of e-mail addresses or logins, kept as each student&apos;s login</source>
        <translation>La columna de direcciones de correo o usuarios, que se guardan como usuario de cada estudiante</translation>
    </message>
    <message>
        <source>Tick when the first line names the columns; untick it when it is a student</source>
        <translation>Marcar cuando la primera línea nombra las columnas; desmarcar cuando es un estudiante</translation>
    </message>
    <message>
        <source>Keep the names as the file has them</source>
        <translation>Dejar los nombres como están en el archivo</translation>
    </message>
    <message>
        <source>Put each first name before the last name</source>
        <translation>Poner cada nombre antes del apellido</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Lista de clase</translation>
    </message>
    <message>
        <source>Every line of the file and what the import does with it</source>
        <translation>Cada línea del archivo y lo que la importación hace con ella</translation>
    </message>
    <message>
        <source>The students of the gradebook who are not on the roster; they are kept</source>
        <translation>Los estudiantes del libro de calificaciones que no están en la lista; se conservan</translation>
    </message>
    <message>
        <source>Bring the roster into the gradebook as this window shows it</source>
        <translation>Traer la lista de clase al libro de calificaciones como la muestra esta ventana</translation>
    </message>
    <message>
        <source>UTF-8 with byte order mark</source>
        <translation>UTF-8 con marca de orden de bytes</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2, %3-separated, %n line(s))</source>
        <translation>
            <numerusform>%1 (%2, separado por %3, %n línea)</numerusform>
            <numerusform>%1 (%2, separado por %3, %n líneas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Already in the gradebook: &lt;b&gt;%1&lt;/b&gt; (%2 by ID, %3 by name; an ID or login added for %n)</source>
        <translation>
            <numerusform>Ya en el libro de calificaciones: &lt;b&gt;%1&lt;/b&gt; (%2 por identificador, %3 por nombre; %n recibe identificador o usuario)</numerusform>
            <numerusform>Ya en el libro de calificaciones: &lt;b&gt;%1&lt;/b&gt; (%2 por identificador, %3 por nombre; %n reciben identificador o usuario)</numerusform>
        </translation>
    </message>
    <message>
        <source>The first line holds the col&amp;umns&apos; names</source>
        <translation>La primera línea tiene los &amp;títulos de las columnas</translation>
    </message>
    <message>
        <source>First Las&amp;t (Ann Lee)</source>
        <translation>Nom&amp;bre Apellido (Ann Lee)</translation>
    </message>
    <message>
        <source>Google Classroom export</source>
        <translation>Exportación de Google Classroom</translation>
    </message>
    <message>
        <source>The first line has %1 columns; the first %2 are offered here. A class list has far fewer: is this the right file?</source>
        <translation>La primera línea tiene %1 columnas; aquí se ofrecen las primeras %2. Una lista de clase tiene muchas menos: ¿es el archivo correcto?</translation>
    </message>
</context>
<context>
    <name>marklow::TInplaceEdit</name>
    <message>
        <source>The entry of the current cell</source>
        <translation>La entrada de la celda actual</translation>
    </message>
</context>
<context>
    <name>marklow::TLmsExportCommands</name>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Archivos CSV (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Start with a UTF-8 byte order mark (for Excel on Windows)</source>
        <translation>Empezar con una marca de orden de bytes UTF-8 (para Excel en Windows)</translation>
    </message>
    <message>
        <source>The scores table was written to
%1</source>
        <translation>La tabla de puntuaciones se escribió en
%1</translation>
    </message>
    <message>
        <source>The grades for %1 were written to
%2</source>
        <translation>Las calificaciones para %1 se escribieron en
%2</translation>
    </message>
</context>
<context>
    <name>marklow::TPreviewForm</name>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
    <message>
        <source>The report&apos;s pages as they will be printed</source>
        <translation>Las páginas del informe tal como se imprimirán</translation>
    </message>
</context>
<context>
    <name>marklow::TRecoveryCommands</name>
    <message>
        <source>%1: the folder cannot be created</source>
        <translation>%1: No se puede crear la carpeta</translation>
    </message>
    <message>
        <source>Marklow was not closed properly. Recover the unsaved changes to %1?</source>
        <translation>Marklow no se cerró correctamente. ¿Recuperar los cambios no guardados de %1?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; no longer exists; Save writes it again.</source>
        <translation>«%1» ya no existe; Guardar lo vuelve a escribir.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has been changed since. Save replaces it and keeps that version as its backup.</source>
        <translation>«%1» ha cambiado desde entonces. Guardar lo reemplaza y conserva esa versión como copia de seguridad.</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 cannot be read: %2</source>
        <translation>No se pueden leer los cambios no guardados de %1: %2</translation>
    </message>
    <message>
        <source>The unsaved changes to %1 were not opened; Marklow offers them again at its next start.</source>
        <translation>Los cambios no guardados de %1 no se abrieron; Marklow los ofrecerá de nuevo en el próximo inicio.</translation>
    </message>
    <message>
        <source>The copy of the changes is kept as &quot;%1&quot;.</source>
        <translation>La copia de los cambios se conserva como «%1».</translation>
    </message>
    <message>
        <source>Recovery copies</source>
        <translation>Copias de recuperación</translation>
    </message>
    <message>
        <source>No recovery copies are made: the folder %1 belongs to another user.</source>
        <translation>No se hacen copias de recuperación: la carpeta %1 pertenece a otro usuario.</translation>
    </message>
    <message>
        <source>No recovery copies are made: other users may write into the folder %1.</source>
        <translation>No se hacen copias de recuperación: otros usuarios pueden escribir en la carpeta %1.</translation>
    </message>
    <message>
        <source>No recovery copies are made: %1 is not a folder.</source>
        <translation>No se hacen copias de recuperación: %1 no es una carpeta.</translation>
    </message>
    <message>
        <source>Recovery copies cannot be written: %1</source>
        <translation>No se pueden escribir copias de recuperación: %1</translation>
    </message>
    <message>
        <source>The copy was made on %1.</source>
        <translation>La copia se hizo el %1.</translation>
    </message>
    <message>
        <source>It holds 1 change beyond the saved file.</source>
        <translation>Contiene 1 cambio respecto al archivo guardado.</translation>
    </message>
    <message>
        <source>It holds %1 changes beyond the saved file.</source>
        <translation>Contiene %1 cambios respecto al archivo guardado.</translation>
    </message>
    <message>
        <source>It holds 1 change.</source>
        <translation>Contiene 1 cambio.</translation>
    </message>
    <message>
        <source>It holds %1 changes.</source>
        <translation>Contiene %1 cambios.</translation>
    </message>
    <message>
        <source>The saved file was last changed on %1.</source>
        <translation>El archivo guardado se modificó por última vez el %1.</translation>
    </message>
</context>
<context>
    <name>marklow::TRosterCommands</name>
    <message>
        <source>Import Roster</source>
        <translation>Importar lista de clase</translation>
    </message>
    <message>
        <source>Class Lists (*.csv *.txt *.tsv);;All Files (*)</source>
        <translation>Listas de clase (*.csv *.txt *.tsv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>marklow::TSDIAppForm</name>
    <message>
        <source>Lan&amp;guage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Default</source>
        <translation>&amp;Predeterminado del sistema</translation>
    </message>
    <message>
        <source>The language takes effect when Marklow is restarted.</source>
        <translation>El idioma se aplicará cuando se reinicie Marklow.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Reopen...</source>
        <translation>Abrir &amp;reciente...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar &amp;como...</translation>
    </message>
    <message>
        <source>&amp;Export CSV...</source>
        <translation>&amp;Exportar CSV...</translation>
    </message>
    <message>
        <source>Pass&amp;word...</source>
        <translation>Contrase&amp;ña...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Averages</source>
        <translation>&amp;Promedios</translation>
    </message>
    <message>
        <source>&amp;Students</source>
        <translation>&amp;Estudiantes</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>&amp;Student</source>
        <translation>&amp;Estudiante</translation>
    </message>
    <message>
        <source>&amp;Grade</source>
        <translation>C&amp;alificación</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Student...</source>
        <translation>Estudiante...</translation>
    </message>
    <message>
        <source>Grade...</source>
        <translation>Calificación...</translation>
    </message>
    <message>
        <source>&amp;Student...</source>
        <translation>E&amp;studiante...</translation>
    </message>
    <message>
        <source>&amp;Grade...</source>
        <translation>C&amp;alificación...</translation>
    </message>
    <message>
        <source>&amp;Toggle Edit Mode</source>
        <translation>Cambiar &amp;modo de edición</translation>
    </message>
    <message>
        <source>&amp;Edit Names</source>
        <translation>Editar &amp;nombres</translation>
    </message>
    <message>
        <source>Move Names</source>
        <translation>Mover nombres</translation>
    </message>
    <message>
        <source>Check Gradebook</source>
        <translation>Comprobar libro de calificaciones</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tool Bar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>Barra de e&amp;stado</translation>
    </message>
    <message>
        <source>&amp;Letter Averages</source>
        <translation>Promedios con &amp;letras</translation>
    </message>
    <message>
        <source>&amp;Curve</source>
        <translation>C&amp;urva</translation>
    </message>
    <message>
        <source>Sort Students</source>
        <translation>Ordenar estudiantes</translation>
    </message>
    <message>
        <source>by User Input</source>
        <translation>por orden de entrada</translation>
    </message>
    <message>
        <source>by Name</source>
        <translation>por nombre</translation>
    </message>
    <message>
        <source>by Average</source>
        <translation>por promedio</translation>
    </message>
    <message>
        <source>by ID</source>
        <translation>por identificador</translation>
    </message>
    <message>
        <source>Sort Grades</source>
        <translation>Ordenar calificaciones</translation>
    </message>
    <message>
        <source>by Date</source>
        <translation>por fecha</translation>
    </message>
    <message>
        <source>by Category</source>
        <translation>por categoría</translation>
    </message>
    <message>
        <source>C&amp;harts/Statistics...</source>
        <translation>&amp;Gráficos/Estadísticas...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Categories...</source>
        <translation>&amp;Categorías...</translation>
    </message>
    <message>
        <source>&amp;Letter grades...</source>
        <translation>Calificaciones con &amp;letras...</translation>
    </message>
    <message>
        <source>&amp;Description...</source>
        <translation>&amp;Descripción...</translation>
    </message>
    <message>
        <source>Dis&amp;play...</source>
        <translation>&amp;Visualización...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Help &amp;Topics</source>
        <translation>&amp;Temas de ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>Tec&amp;lado</translation>
    </message>
    <message>
        <source>&amp;How to Use Marklow Help</source>
        <translation>Cómo &amp;usar la ayuda de Marklow</translation>
    </message>
    <message>
        <source>How to Use Windows Help</source>
        <translation>Cómo usar la ayuda de Windows</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>New Gradebook</source>
        <translation>Nuevo libro de calificaciones</translation>
    </message>
    <message>
        <source>Open Gradebook</source>
        <translation>Abrir libro de calificaciones</translation>
    </message>
    <message>
        <source>Save Gradebook</source>
        <translation>Guardar libro de calificaciones</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Student properties</source>
        <translation>Propiedades del estudiante</translation>
    </message>
    <message>
        <source>Grade properties</source>
        <translation>Propiedades de la calificación</translation>
    </message>
    <message>
        <source>Toggle edit mode</source>
        <translation>Cambiar modo de edición</translation>
    </message>
    <message>
        <source>Check gradebook</source>
        <translation>Comprobar libro de calificaciones</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Weights</source>
        <translation>Pesos</translation>
    </message>
    <message>
        <source>Letter grades</source>
        <translation>Calificaciones con letras</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Sa&amp;ve</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Copy Students</source>
        <translation>&amp;Copiar estudiantes</translation>
    </message>
    <message>
        <source>Copy &amp;Averages</source>
        <translation>Copiar &amp;promedios</translation>
    </message>
    <message>
        <source>New Stu&amp;dent</source>
        <translation>Nuevo es&amp;tudiante</translation>
    </message>
    <message>
        <source>&amp;New Grade</source>
        <translation>&amp;Nueva calificación</translation>
    </message>
    <message>
        <source>&amp;Student Properties</source>
        <translation>Propiedades del e&amp;studiante</translation>
    </message>
    <message>
        <source>&amp;Grade Properties</source>
        <translation>Propiedades de la ca&amp;lificación</translation>
    </message>
    <message>
        <source>C&amp;hart/Statistics</source>
        <translation>Gr&amp;áfico/Estadísticas</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Marklow - %1</source>
        <translation>Marklow - %1</translation>
    </message>
    <message>
        <source>Edit Names</source>
        <translation>Editar nombres</translation>
    </message>
    <message>
        <source>Gradebook</source>
        <translation>Libro de calificaciones</translation>
    </message>
    <message>
        <source>Students in rows, grades in columns; each student&apos;s average in the first column</source>
        <translation>Estudiantes en filas, calificaciones en columnas; el promedio de cada estudiante en la primera columna</translation>
    </message>
    <message>
        <source>Export for &amp;LMS</source>
        <translation>Exportar para &amp;LMS</translation>
    </message>
    <message>
        <source>&amp;Canvas...</source>
        <translation>&amp;Canvas...</translation>
    </message>
    <message>
        <source>&amp;Moodle...</source>
        <translation>&amp;Moodle...</translation>
    </message>
    <message>
        <source>&amp;Scores Table...</source>
        <translation>Tabla de &amp;puntuaciones...</translation>
    </message>
    <message>
        <source>&amp;Import Roster...</source>
        <translation>Impor&amp;tar lista de clase...</translation>
    </message>
    <message>
        <source>Shortcut %1</source>
        <translation>Atajo %1</translation>
    </message>
    <message>
        <source>Alt+S</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+S</translation>
    </message>
    <message>
        <source>Alt+X</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+X</translation>
    </message>
    <message>
        <source>Alt+A</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+P</translation>
    </message>
    <message>
        <source>Alt+N</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+N</translation>
    </message>
    <message>
        <source>Alt+C</source>
        <comment>shortcut: not the underlined letter of a menu title</comment>
        <translation>Alt+C</translation>
    </message>
    <message>
        <source>&amp;Weights...</source>
        <translation>Pe&amp;sos...</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>no entregado</translation>
    </message>
</context>
</TS>
