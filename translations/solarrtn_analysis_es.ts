<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>solar::AnalPrint</name>
    <message>
        <source>Print Error!</source>
        <translation>¡Error de impresión!</translation>
    </message>
    <message>
        <source>Unable to Start the Print Job!<byte value="xd"/>
<byte value="xd"/>
Document: %1</source>
        <translation>¡No se puede iniciar el trabajo de impresión!<byte value="xd"/>
<byte value="xd"/>
Documento: %1</translation>
    </message>
</context>
<context>
    <name>solar::ClassPdf</name>
    <message>
        <source>Answer key</source>
        <translation>Clave de respuestas</translation>
    </message>
    <message>
        <source>Class median</source>
        <translation>Mediana de la clase</translation>
    </message>
    <message>
        <source>● each student&apos;s rate of each spot (labelled with the student&apos;s number), sidereal at T-zero, bars ±1 standard error</source>
        <translation>● velocidad de cada estudiante por mancha (rotulada con su número), sidérea en T-cero, barras ±1 error est.</translation>
    </message>
    <message>
        <source>No student has measured a spot on two images</source>
        <translation>Ningún estudiante ha medido una mancha en dos imágenes</translation>
    </message>
    <message>
        <source>The PDF document could not be written to %1.</source>
        <translation>No se pudo escribir el documento PDF en %1.</translation>
    </message>
</context>
<context>
    <name>solar::CurveFit</name>
    <message>
        <source>More Data Points Needed!</source>
        <translation>¡Se necesitan más puntos de datos!</translation>
    </message>
    <message>
        <source>Insufficient data for linear fit!<byte value="xd"/>
<byte value="xd"/>
Two data points needed - more are recommended!</source>
        <translation>¡Datos insuficientes para el ajuste lineal!<byte value="xd"/>
<byte value="xd"/>
¡Se necesitan dos puntos de datos; se recomiendan más!</translation>
    </message>
    <message>
        <source>No Line Fitted!</source>
        <translation>¡No se ajustó ninguna recta!</translation>
    </message>
    <message>
        <source>All measurements of spot &quot;%1&quot; have the same time, so no line can be fitted.<byte value="xd"/>
<byte value="xd"/>
Measure the spot on images of different days.</source>
        <translation>Todas las mediciones de la mancha &quot;%1&quot; tienen la misma hora, así que no se puede ajustar ninguna recta.<byte value="xd"/>
<byte value="xd"/>
Mida la mancha en imágenes de días distintos.</translation>
    </message>
</context>
<context>
    <name>solar::DiffRot</name>
    <message>
        <source>recurrent sunspots, MNRAS 111, 413</source>
        <translation>manchas solares recurrentes, MNRAS 111, 413</translation>
    </message>
    <message>
        <source>small magnetic features, Sol. Phys. 130, 295</source>
        <translation>pequeñas estructuras magnéticas, Sol. Phys. 130, 295</translation>
    </message>
    <message>
        <source>magnetic features, ApJ 270, 288</source>
        <translation>estructuras magnéticas, ApJ 270, 288</translation>
    </message>
    <message>
        <source>Astrophysical Quantities, sunspots</source>
        <translation>Astrophysical Quantities, manchas solares</translation>
    </message>
    <message>
        <source>A law needs results at two or more different latitudes (north and south of the equator count as the same); record more spots.</source>
        <translation>Una ley necesita resultados en dos o más latitudes distintas (al norte y al sur del ecuador cuentan como la misma); registre más manchas.</translation>
    </message>
    <message>
        <source>The fit of the law failed: the latitudes are too close together.</source>
        <translation>El ajuste de la ley falló: las latitudes están demasiado próximas entre sí.</translation>
    </message>
</context>
<context>
    <name>solar::RateLatPaint</name>
    <message>
        <source>Mean Latitude (Degrees, North Positive)</source>
        <translation>Latitud media (grados, norte positivo)</translation>
    </message>
    <message>
        <source>Sidereal Rotation Rate (Degrees per Day)</source>
        <translation>Velocidad de rotación sidérea (grados por día)</translation>
    </message>
    <message>
        <source>deg/day</source>
        <translation>grados/día</translation>
    </message>
    <message>
        <source>● sidereal rate at T-zero (true central-meridian motion), bars ±1 standard error</source>
        <translation>● vel. sidérea en T-cero (mov. real del meridiano central), barras ±1 error estándar</translation>
    </message>
    <message>
        <source>; □ by the 365.25-day rule</source>
        <translation>; □ regla de 365.25 días</translation>
    </message>
</context>
<context>
    <name>solar::RotnPlot</name>
    <message>
        <source>(W)</source>
        <translation>(O)</translation>
    </message>
    <message>
        <source>(E)</source>
        <translation>(E)</translation>
    </message>
    <message>
        <source>Time (Days)</source>
        <translation>Tiempo (días)</translation>
    </message>
    <message>
        <source>Mean Latitude: %1,    RMS Error (Degs): %2</source>
        <translation>Latitud media: %1,    error RMS (grados): %2</translation>
    </message>
</context>
<context>
    <name>solar::SinWave</name>
    <message>
        <source>Curve Fit Not Possible!</source>
        <translation>¡No es posible ajustar la curva!</translation>
    </message>
    <message>
        <source>More Data Points Needed!</source>
        <translation>¡Se necesitan más puntos de datos!</translation>
    </message>
    <message>
        <source>Insufficient data for curve fit!<byte value="xd"/>
<byte value="xd"/>
Four data points needed - more are recommended!</source>
        <translation>¡Datos insuficientes para ajustar la curva!<byte value="xd"/>
<byte value="xd"/>
¡Se necesitan cuatro puntos de datos; se recomiendan más!</translation>
    </message>
    <message>
        <source>The curve fit needs measurements made at four different times at least.</source>
        <translation>El ajuste de la curva necesita mediciones hechas en al menos cuatro momentos distintos.</translation>
    </message>
    <message>
        <source>The spot&apos;s positions do not change enough from one measurement to the next to estimate a sine curve.</source>
        <translation>Las posiciones de la mancha no cambian lo suficiente de una medición a la siguiente para estimar una curva sinusoidal.</translation>
    </message>
    <message>
        <source>Initial Estimate</source>
        <translation>Estimación inicial</translation>
    </message>
    <message>
        <source>The cubic through these points has no turning points, so the estimate was taken from where the spot crosses the centre of the disk.</source>
        <translation>La cúbica que pasa por estos puntos no tiene máximos ni mínimos, así que la estimación se tomó del punto donde la mancha cruza el centro del disco.</translation>
    </message>
    <message>
        <source>The crossing of the cubic through these points could not be found, so the estimate was taken from where the spot crosses the centre of the disk.</source>
        <translation>No se pudo encontrar el cruce de la cúbica que pasa por estos puntos, así que la estimación se tomó del punto donde la mancha cruza el centro del disco.</translation>
    </message>
</context>
<context>
    <name>solar::TClassRptForm1</name>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;Informe</translation>
    </message>
    <message>
        <source>Rates against &amp;Latitude</source>
        <translation>&amp;Velocidades frente a la latitud</translation>
    </message>
    <message>
        <source>As P&amp;DF Document (.PDF)...</source>
        <translation>Como documento P&amp;DF (.PDF)...</translation>
    </message>
    <message>
        <source>Read &amp;Again</source>
        <translation>&amp;Volver a leer</translation>
    </message>
    <message>
        <source>Working &amp;Folder...</source>
        <translation>Carpeta de &amp;trabajo...</translation>
    </message>
    <message>
        <source>Answer &amp;Key...</source>
        <translation>Clave de &amp;respuestas...</translation>
    </message>
    <message>
        <source>Save Class Report in .CSV File for Spreadsheet?</source>
        <translation>¿Guardar el informe de la clase en un archivo .CSV para hoja de cálculo?</translation>
    </message>
    <message>
        <source>CSV File Written</source>
        <translation>Archivo CSV escrito</translation>
    </message>
    <message>
        <source>Spreadsheet File (.CSV) Written to %1.</source>
        <translation>Archivo de hoja de cálculo (.CSV) escrito en %1.</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Write CSV File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>¡No se puede escribir el archivo CSV!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Save Class Report as PDF Document</source>
        <translation>Guardar el informe de la clase como documento PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF|All Files|*.*</source>
        <translation>Documento PDF (*.PDF)|*.PDF|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>PDF File Written</source>
        <translation>Archivo PDF escrito</translation>
    </message>
    <message>
        <source>Class Report Written to %1.</source>
        <translation>Informe de la clase escrito en %1.</translation>
    </message>
    <message>
        <source>Working Folder of the Class (holding Users/)</source>
        <translation>Carpeta de trabajo de la clase (la que contiene Users/)</translation>
    </message>
    <message>
        <source>Answer Key of the Image Database</source>
        <translation>Clave de respuestas de la base de datos de imágenes</translation>
    </message>
    <message>
        <source>Answer Keys (*.CSV)|*.CSV|All Files|*.*</source>
        <translation>Claves de respuestas (*.CSV)|*.CSV|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Class Report</source>
        <translation>Informe de la clase</translation>
    </message>
    <message>
        <source>Class report pages</source>
        <translation>Páginas del informe de la clase</translation>
    </message>
    <message>
        <source>Rates against latitude</source>
        <translation>Velocidades frente a latitud</translation>
    </message>
    <message>
        <source>Plot of the students&apos; rates against latitude</source>
        <translation>Gráfica de las velocidades de los estudiantes frente a la latitud</translation>
    </message>
    <message>
        <source>student %1 at latitude %2 degrees, sidereal rate %3 degrees per day</source>
        <translation>estudiante %1 en latitud %2 grados, velocidad sidérea %3 grados por día</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>Sin puntos.</translation>
    </message>
    <message>
        <source>Points: %1.</source>
        <translation>Puntos: %1.</translation>
    </message>
    <message>
        <source> %1 law: rate = %2 %3 %4 sin squared of the latitude, degrees per day.</source>
        <translation> Ley de %1: velocidad = %2 %3 %4 por el seno al cuadrado de la latitud, grados por día.</translation>
    </message>
    <message>
        <source>Answer key</source>
        <translation>la clave de respuestas</translation>
    </message>
    <message>
        <source>Class median</source>
        <translation>la mediana de la clase</translation>
    </message>
</context>
<context>
    <name>solar::TLinearAnalysis</name>
    <message>
        <source>Time (Days)</source>
        <translation>Tiempo (días)</translation>
    </message>
    <message>
        <source>(W)</source>
        <translation>(O)</translation>
    </message>
    <message>
        <source>(E)</source>
        <translation>(E)</translation>
    </message>
    <message>
        <source>(N)</source>
        <translation>(N)</translation>
    </message>
    <message>
        <source>(S)</source>
        <translation>(S)</translation>
    </message>
    <message>
        <source>Spot Longitude</source>
        <translation>Longitud de la mancha</translation>
    </message>
    <message>
        <source>Spot Latitude</source>
        <translation>Latitud de la mancha</translation>
    </message>
    <message>
        <source>Spot ID: %1</source>
        <translation>Id. de la mancha: %1</translation>
    </message>
    <message>
        <source>Mean Latitude: %1,    RMS Error (Degs): %2</source>
        <translation>Latitud media: %1,    error RMS (grados): %2</translation>
    </message>
    <message>
        <source>Solar Rotation Analysis</source>
        <translation>Análisis de la rotación solar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Dataset</source>
        <translation>Serie de &amp;datos</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>&amp;Longitude Values...</source>
        <translation>Valores de &amp;longitud...</translation>
    </message>
    <message>
        <source>L&amp;atitude Values...</source>
        <translation>Valores de l&amp;atitud...</translation>
    </message>
    <message>
        <source>&amp;Select...</source>
        <translation>&amp;Seleccionar...</translation>
    </message>
    <message>
        <source>&amp;Remove Selected Dataset...</source>
        <translation>&amp;Quitar la serie de datos seleccionada...</translation>
    </message>
    <message>
        <source>&amp;Clear All Datasets...</source>
        <translation>&amp;Borrar todas las series de datos...</translation>
    </message>
    <message>
        <source>&amp;Record Results...</source>
        <translation>&amp;Registrar resultados...</translation>
    </message>
    <message>
        <source>&amp;Print Window...</source>
        <translation>&amp;Imprimir ventana...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Fit (RMS Degs)</source>
        <translation>Ajuste (RMS, grados)</translation>
    </message>
    <message>
        <source>T-Zero (X Intercept - Julian Day)</source>
        <translation>T-cero (corte con el eje X - día juliano)</translation>
    </message>
    <message>
        <source>Slope (Degrees per Day)</source>
        <translation>Pendiente (grados por día)</translation>
    </message>
    <message>
        <source>Reset the T-Zero Slider</source>
        <translation>Reiniciar el deslizador de T-cero</translation>
    </message>
    <message>
        <source>Reset the Slope Slider</source>
        <translation>Reiniciar el deslizador de la pendiente</translation>
    </message>
    <message>
        <source>Coarse or fine slider steps</source>
        <translation>Pasos gruesos o finos de los deslizadores</translation>
    </message>
    <message>
        <source>Coarse</source>
        <translation>Grueso</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Move the plot one day to the left</source>
        <translation>Mover el gráfico un día a la izquierda</translation>
    </message>
    <message>
        <source>Move the plot one day to the right</source>
        <translation>Mover el gráfico un día a la derecha</translation>
    </message>
    <message>
        <source>T-Zero slider</source>
        <translation>Deslizador de T-cero</translation>
    </message>
    <message>
        <source>Moves the line&apos;s zero crossing; the slope stays.</source>
        <translation>Mueve el cruce por cero de la recta; la pendiente se mantiene.</translation>
    </message>
    <message>
        <source>Slope slider</source>
        <translation>Deslizador de la pendiente</translation>
    </message>
    <message>
        <source>Changes the slope, the rotation rate; the zero crossing stays.</source>
        <translation>Cambia la pendiente, la velocidad de rotación; el cruce por cero se mantiene.</translation>
    </message>
    <message>
        <source>Fine slider steps</source>
        <translation>Pasos finos de los deslizadores</translation>
    </message>
    <message>
        <source>Off: coarse slider ranges; on: a hundredth of them.</source>
        <translation>Desactivado: recorridos gruesos de los deslizadores; activado: su centésima parte.</translation>
    </message>
    <message>
        <source>Plot position left</source>
        <translation>Posición del gráfico a la izquierda</translation>
    </message>
    <message>
        <source>Moves the plot one day to the left, repeating while held.</source>
        <translation>Mueve el gráfico un día a la izquierda, y repite mientras se mantiene pulsado.</translation>
    </message>
    <message>
        <source>Plot position right</source>
        <translation>Posición del gráfico a la derecha</translation>
    </message>
    <message>
        <source>Moves the plot one day to the right, repeating while held.</source>
        <translation>Mueve el gráfico un día a la derecha, y repite mientras se mantiene pulsado.</translation>
    </message>
    <message>
        <source>Longitude or latitude against time, plot</source>
        <translation>Gráfico de longitud o latitud frente al tiempo</translation>
    </message>
    <message>
        <source>Load Longitude Values</source>
        <translation>Cargar valores de longitud</translation>
    </message>
    <message>
        <source>Load Latitude Values</source>
        <translation>Cargar valores de latitud</translation>
    </message>
    <message>
        <source>Longitude values for Spot &quot;%1&quot; already loaded.</source>
        <translation>Los valores de longitud de la mancha &quot;%1&quot; ya están cargados.</translation>
    </message>
    <message>
        <source>Latitude values for Spot &quot;%1&quot; already loaded.</source>
        <translation>Los valores de latitud de la mancha &quot;%1&quot; ya están cargados.</translation>
    </message>
    <message>
        <source>Data Already Loaded</source>
        <translation>Datos ya cargados</translation>
    </message>
    <message>
        <source>No Measurements</source>
        <translation>Sin mediciones</translation>
    </message>
    <message>
        <source>There are no measurements of spot &quot;%1&quot;.</source>
        <translation>No hay mediciones de la mancha &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Mean Latitude (Degs)</source>
        <translation>Latitud media (grados)</translation>
    </message>
    <message>
        <source> (selected)</source>
        <translation> (seleccionada)</translation>
    </message>
    <message>
        <source>No datasets. </source>
        <translation>No hay series de datos. </translation>
    </message>
    <message>
        <source>Datasets: %1. Up and Down select, Left and Right move the plot. </source>
        <translation>Series de datos: %1. Arriba y Abajo seleccionan, Izquierda y Derecha mueven el gráfico. </translation>
    </message>
    <message>
        <source>Fit of %1: rate %2 degrees per day, T-zero Julian day %3, RMS %4 degrees.</source>
        <translation>Ajuste de %1: velocidad %2 grados por día, T-cero día juliano %3, RMS %4 grados.</translation>
    </message>
    <message>
        <source>Mean latitude of %1: %2 degrees, standard deviation %3 degrees.</source>
        <translation>Latitud media de %1: %2 grados, desviación estándar %3 grados.</translation>
    </message>
    <message>
        <source>Click Label to Select</source>
        <translation>Haga clic en la etiqueta para seleccionar</translation>
    </message>
    <message>
        <source>Click on the dataset ID label on the graph to select the dataset<byte value="xd"/>
The label of the currently selected dataset is highlighted by a rectangle.</source>
        <translation>Haga clic en la etiqueta con el identificador de la serie de datos en el gráfico para seleccionarla<byte value="xd"/>
La etiqueta de la serie de datos seleccionada está resaltada con un rectángulo.</translation>
    </message>
    <message>
        <source>Results Not Recorded!</source>
        <translation>¡Resultados no registrados!</translation>
    </message>
    <message>
        <source>You have not recorded your results.<byte value="xd"/>
<byte value="xd"/>
Do you want to record them now?</source>
        <translation>No ha registrado sus resultados.<byte value="xd"/>
<byte value="xd"/>
¿Desea registrarlos ahora?</translation>
    </message>
    <message>
        <source>Verify Deletion</source>
        <translation>Confirmar la eliminación</translation>
    </message>
    <message>
        <source>Remove dataset &quot;%1&quot; from plot?</source>
        <translation>¿Quitar la serie de datos &quot;%1&quot; del gráfico?</translation>
    </message>
    <message>
        <source>Verify Delete All</source>
        <translation>Confirmar la eliminación de todo</translation>
    </message>
    <message>
        <source>Remove all datasets from plot?</source>
        <translation>¿Quitar todas las series de datos del gráfico?</translation>
    </message>
    <message>
        <source>Results Saved</source>
        <translation>Resultados guardados</translation>
    </message>
    <message>
        <source>Result data added to list.</source>
        <translation>Datos del resultado añadidos a la lista.</translation>
    </message>
</context>
<context>
    <name>solar::TRateLatForm1</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Save &amp;Picture</source>
        <translation>&amp;Guardar imagen</translation>
    </message>
    <message>
        <source>As &amp;PNG Image...</source>
        <translation>Como imagen &amp;PNG...</translation>
    </message>
    <message>
        <source>As P&amp;DF Document...</source>
        <translation>Como documento P&amp;DF...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Your Law</source>
        <translation>Su ley</translation>
    </message>
    <message>
        <source>365.25-Day Rule</source>
        <translation>Regla de 365.25 días</translation>
    </message>
    <message>
        <source>Rates against latitude, table</source>
        <translation>Tabla de velocidades frente a la latitud</translation>
    </message>
    <message>
        <source>Rotation rate against latitude, plot</source>
        <translation>Gráfico de la velocidad de rotación frente a la latitud</translation>
    </message>
    <message>
        <source>spot %1 at latitude %2 degrees, sidereal rate %3 degrees per day</source>
        <translation>mancha %1 en latitud %2 grados, velocidad sidérea %3 grados por día</translation>
    </message>
    <message>
        <source>No points.</source>
        <translation>No hay puntos.</translation>
    </message>
    <message>
        <source>Points: %1.</source>
        <translation>Puntos: %1.</translation>
    </message>
    <message>
        <source> Your law: rate = %1 %2 sin squared of the latitude, degrees per day.</source>
        <translation> Su ley: velocidad = %1 %2 por el seno al cuadrado de la latitud, grados por día.</translation>
    </message>
    <message>
        <source>Spot  Mean Lat   Synodic   Sidereal (Degs/Day)      Std Error  Residual</source>
        <translation>Mancha Latitud  Sinódica     Sidérea (°/día)      Error est.    Residuo</translation>
    </message>
    <message>
        <source> ID    (Degs)  (Degs/Day)  365.25-Day    At T-Zero  (Degs/Day) (Degs/Day)</source>
        <translation>     media (°)   (°/día) 365.25 días    En T-cero    (°/día)    (°/día)</translation>
    </message>
    <message>
        <source>  none</source>
        <translation>  ninguno</translation>
    </message>
    <message>
        <source>No results with a rotation rate have been recorded yet.</source>
        <translation>Todavía no se ha registrado ningún resultado con velocidad de rotación.</translation>
    </message>
    <message>
        <source>%1 recorded result(s) without a rotation rate or period are not shown.</source>
        <translation>No se muestran %1 resultado(s) registrado(s) sin velocidad de rotación ni periodo.</translation>
    </message>
    <message>
        <source>Your law: rate = </source>
        <translation>Su ley: velocidad = </translation>
    </message>
    <message>
        <source> sin²(lat) degrees per day, sidereal at T-zero</source>
        <translation> sin²(lat) grados por día, sidérea en T-cero</translation>
    </message>
    <message>
        <source>Weighted by 1 / (standard error)² of each rate</source>
        <translation>Ponderada por 1 / (error estándar)² de cada velocidad</translation>
    </message>
    <message>
        <source>Every point counted alike (not every rate has an error)</source>
        <translation>Todos los puntos cuentan igual (no todas las velocidades tienen error)</translation>
    </message>
    <message>
        <source>; two points leave no room for standard errors</source>
        <translation>; dos puntos no permiten calcular errores estándar</translation>
    </message>
    <message>
        <source>Sidereal at T-zero: the synodic rate plus the true sidereal motion of the central meridian</source>
        <translation>Sidérea en T-cero: la velocidad sinódica más el movimiento sidéreo real del meridiano central</translation>
    </message>
    <message>
        <source>(Carrington rate plus the rate of change of L0); the 365.25-day rule adds 0.98563 always.</source>
        <translation>(velocidad de Carrington más la variación de L0); la regla de 365.25 días suma siempre 0.98563.</translation>
    </message>
    <message>
        <source>Your law</source>
        <translation>Su ley</translation>
    </message>
    <message>
        <source>No results recorded</source>
        <translation>No hay resultados registrados</translation>
    </message>
    <message>
        <source>Picture Saved</source>
        <translation>Imagen guardada</translation>
    </message>
    <message>
        <source>Plot Saved in %1.</source>
        <translation>Gráfico guardado en %1.</translation>
    </message>
    <message>
        <source>Picture Not Saved</source>
        <translation>Imagen no guardada</translation>
    </message>
    <message>
        <source>The plot could not be written to %1.</source>
        <translation>No se pudo escribir el gráfico en %1.</translation>
    </message>
    <message>
        <source>Save Plot as PNG Image</source>
        <translation>Guardar el gráfico como imagen PNG</translation>
    </message>
    <message>
        <source>PNG Image (*.PNG)|*.PNG|All Files|*.*</source>
        <translation>Imagen PNG (*.PNG)|*.PNG|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Save Plot as PDF Document</source>
        <translation>Guardar el gráfico como documento PDF</translation>
    </message>
    <message>
        <source>PDF Document (*.PDF)|*.PDF|All Files|*.*</source>
        <translation>Documento PDF (*.PDF)|*.PDF|Todos los archivos|*.*</translation>
    </message>
    <message>
        <source>Rotation Rate against Latitude</source>
        <translation>Velocidad de rotación frente a la latitud</translation>
    </message>
</context>
<context>
    <name>solar::TRotnAnalysis</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Load Dataset...</source>
        <translation>&amp;Cargar serie de datos...</translation>
    </message>
    <message>
        <source>Fit &amp;Sine Curve</source>
        <translation>&amp;Ajustar curva sinusoidal</translation>
    </message>
    <message>
        <source>Initial &amp;Estimate...</source>
        <translation>&amp;Estimación inicial...</translation>
    </message>
    <message>
        <source>Compute &amp;Fit</source>
        <translation>&amp;Calcular ajuste</translation>
    </message>
    <message>
        <source>&amp;Record Results...</source>
        <translation>&amp;Registrar resultados...</translation>
    </message>
    <message>
        <source>&amp;Print Window...</source>
        <translation>&amp;Imprimir ventana...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Fit (RMS Solar Radii)</source>
        <translation>Ajuste (RMS, radios solares)</translation>
    </message>
    <message>
        <source>T-Zero (Julian Day)</source>
        <translation>T-cero (día juliano)</translation>
    </message>
    <message>
        <source>Synodic Period (Days)</source>
        <translation>Periodo sinódico (días)</translation>
    </message>
    <message>
        <source>Reset the T-Zero Slider</source>
        <translation>Reiniciar el deslizador de T-cero</translation>
    </message>
    <message>
        <source>Reset the Period Slider</source>
        <translation>Reiniciar el deslizador del periodo</translation>
    </message>
    <message>
        <source>Coarse</source>
        <translation>Grueso</translation>
    </message>
    <message>
        <source>Fine</source>
        <translation>Fino</translation>
    </message>
    <message>
        <source>Coarse or fine slider steps</source>
        <translation>Pasos gruesos o finos de los deslizadores</translation>
    </message>
    <message>
        <source>Plot Position</source>
        <translation>Posición del gráfico</translation>
    </message>
    <message>
        <source>T-Zero slider</source>
        <translation>Deslizador de T-cero</translation>
    </message>
    <message>
        <source>Moves T-zero; a full throw is one day either way.</source>
        <translation>Mueve T-cero; el recorrido completo es un día en cada sentido.</translation>
    </message>
    <message>
        <source>Period slider</source>
        <translation>Deslizador del periodo</translation>
    </message>
    <message>
        <source>Changes the synodic period; a full throw is one day either way.</source>
        <translation>Cambia el periodo sinódico; el recorrido completo es un día en cada sentido.</translation>
    </message>
    <message>
        <source>Fine slider steps</source>
        <translation>Pasos finos de los deslizadores</translation>
    </message>
    <message>
        <source>Off: coarse steps of 0.001 day; on: fine steps of 0.0001 day.</source>
        <translation>Desactivado: pasos gruesos de 0.001 día; activado: pasos finos de 0.0001 día.</translation>
    </message>
    <message>
        <source>Plot position left</source>
        <translation>Posición del gráfico a la izquierda</translation>
    </message>
    <message>
        <source>Moves the plot one day to the left.</source>
        <translation>Mueve el gráfico un día a la izquierda.</translation>
    </message>
    <message>
        <source>Plot position right</source>
        <translation>Posición del gráfico a la derecha</translation>
    </message>
    <message>
        <source>Moves the plot one day to the right.</source>
        <translation>Mueve el gráfico un día a la derecha.</translation>
    </message>
    <message>
        <source>Sine-curve plot</source>
        <translation>Gráfico de la curva sinusoidal</translation>
    </message>
    <message>
        <source>No dataset loaded.</source>
        <translation>No hay ninguna serie de datos cargada.</translation>
    </message>
    <message>
        <source>Spot %1, %2 measurements of its position in solar radii.</source>
        <translation>Mancha %1, %2 mediciones de su posición en radios solares.</translation>
    </message>
    <message>
        <source> Sine fit: T-zero Julian day %1, synodic period %2 days, RMS %3.</source>
        <translation> Ajuste sinusoidal: T-cero día juliano %1, periodo sinódico %2 días, RMS %3.</translation>
    </message>
    <message>
        <source>Spot Position</source>
        <translation>Posición de la mancha</translation>
    </message>
    <message>
        <source>Spot ID: %1</source>
        <translation>Id. de la mancha: %1</translation>
    </message>
    <message>
        <source>Result Not Recorded!</source>
        <translation>¡Resultado no registrado!</translation>
    </message>
    <message>
        <source>You have not recorded your current result!<byte value="xd"/>
<byte value="xd"/>
Do you want to record it now?</source>
        <translation>¡No ha registrado su resultado actual!<byte value="xd"/>
<byte value="xd"/>
¿Desea registrarlo ahora?</translation>
    </message>
    <message>
        <source>Load Dataset</source>
        <translation>Cargar serie de datos</translation>
    </message>
    <message>
        <source>Curve Fit Stopped</source>
        <translation>Ajuste de la curva detenido</translation>
    </message>
    <message>
        <source>The fit did not settle within its step limit.<byte value="xd"/>
<byte value="xd"/>
The best curve found so far is shown; Compute Fit can be run again from it.</source>
        <translation>El ajuste no convergió dentro de su límite de pasos.<byte value="xd"/>
<byte value="xd"/>
Se muestra la mejor curva encontrada hasta ahora; Calcular ajuste puede ejecutarse de nuevo a partir de ella.</translation>
    </message>
    <message>
        <source>Invalid Synodic Period!</source>
        <translation>¡Periodo sinódico no válido!</translation>
    </message>
    <message>
        <source>A period of %1 days cannot be recorded.<byte value="xd"/>
<byte value="xd"/>
Move the period slider to a period of more than 0 days.</source>
        <translation>No se puede registrar un periodo de %1 días.<byte value="xd"/>
<byte value="xd"/>
Mueva el deslizador del periodo hasta un periodo de más de 0 días.</translation>
    </message>
    <message>
        <source>Results Saved</source>
        <translation>Resultados guardados</translation>
    </message>
    <message>
        <source>Result data added to list.</source>
        <translation>Datos del resultado añadidos a la lista.</translation>
    </message>
    <message>
        <source>Solar Rotation Analysis</source>
        <translation>Análisis de la rotación solar</translation>
    </message>
</context>
<context>
    <name>solar::TRsltsForm1</name>
    <message>
        <source>Rotation Results</source>
        <translation>Resultados de la rotación</translation>
    </message>
    <message>
        <source>Spot ID</source>
        <translation>Identificador de la mancha</translation>
    </message>
    <message>
        <source>Synodic Period (Days)</source>
        <translation>Periodo sinódico (días)</translation>
    </message>
    <message>
        <source>Rtn. Rate (Degs/Day)</source>
        <translation>Vel. de rotación (grados/día)</translation>
    </message>
    <message>
        <source>Sidereal Period (Days)</source>
        <translation>Periodo sidéreo (días)</translation>
    </message>
    <message>
        <source>T-Zero (Julian Day)</source>
        <translation>T-cero (día juliano)</translation>
    </message>
    <message>
        <source>Mean Latitude</source>
        <translation>Latitud media</translation>
    </message>
    <message>
        <source>Fit (RMS Error)</source>
        <translation>Ajuste (error RMS)</translation>
    </message>
    <message>
        <source>Lat</source>
        <translation>Lat.</translation>
    </message>
    <message>
        <source>Long</source>
        <translation>Long.</translation>
    </message>
    <message>
        <source>Fit RMS error, latitude (degrees)</source>
        <translation>Error RMS del ajuste, latitud (grados)</translation>
    </message>
    <message>
        <source>Fit RMS error, longitude (degrees)</source>
        <translation>Error RMS del ajuste, longitud (grados)</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Invalid Synodic Period!</source>
        <translation>¡Periodo sinódico no válido!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid period!</source>
        <translation>¡&quot;%1&quot; no es un periodo válido!</translation>
    </message>
    <message>
        <source>Invalid Sidereal Period!</source>
        <translation>¡Periodo sidéreo no válido!</translation>
    </message>
    <message>
        <source>Invalid Rotation Rate!</source>
        <translation>¡Velocidad de rotación no válida!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid rotation rate!</source>
        <translation>¡&quot;%1&quot; no es una velocidad de rotación válida!</translation>
    </message>
</context>
<context>
    <name>solar::TRsltsListForm1</name>
    <message>
        <source>Solar Rotation Results from Sunspots</source>
        <translation>Resultados de la rotación solar a partir de manchas solares</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>As &amp;Displayed (.TXT)</source>
        <translation>&amp;Tal como se muestra (.TXT)</translation>
    </message>
    <message>
        <source>For &amp;Spreadsheet (.CSV)</source>
        <translation>Para &amp;hoja de cálculo (.CSV)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Rate against &amp;Latitude...</source>
        <translation>Velocidad frente a la &amp;latitud...</translation>
    </message>
    <message>
        <source>&amp;Delete Selected Line...</source>
        <translation>&amp;Borrar la línea seleccionada...</translation>
    </message>
    <message>
        <source>&amp;Edit Selected Line...</source>
        <translation>&amp;Editar la línea seleccionada...</translation>
    </message>
    <message>
        <source>&amp;Undo Delete</source>
        <translation>&amp;Deshacer el borrado</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Delete Highlighted Entry from List?</source>
        <translation>¿Borrar de la lista la entrada resaltada?</translation>
    </message>
    <message>
        <source>Save Report in .CSV File for Spreadsheet?</source>
        <translation>¿Guardar el informe en un archivo .CSV para hoja de cálculo?</translation>
    </message>
    <message>
        <source>CSV File Written</source>
        <translation>Archivo CSV escrito</translation>
    </message>
    <message>
        <source>Spreadsheet File (.CSV) Written to %1.</source>
        <translation>Archivo de hoja de cálculo (.CSV) escrito en %1.</translation>
    </message>
    <message>
        <source>File Error!</source>
        <translation>¡Error de archivo!</translation>
    </message>
    <message>
        <source>Unable to Write Spreadsheet File!<byte value="xd"/>
<byte value="xd"/>
File Name: %1<byte value="xd"/>
%2</source>
        <translation>¡No se puede escribir el archivo de hoja de cálculo!<byte value="xd"/>
<byte value="xd"/>
Nombre del archivo: %1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>solar::TSinParmsForm1</name>
    <message>
        <source>Initial Curve Fit Parameters</source>
        <translation>Parámetros iniciales del ajuste de la curva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>TZero (Days):</source>
        <translation>T-cero (días):</translation>
    </message>
    <message>
        <source>Period (Days):</source>
        <translation>Periodo (días):</translation>
    </message>
    <message>
        <source>TZero (Days)</source>
        <translation>T-cero (días)</translation>
    </message>
    <message>
        <source>Fit-time days: the moment less 37000 days</source>
        <translation>Días del tiempo de ajuste: el momento menos 37000 días</translation>
    </message>
    <message>
        <source>Period (Days)</source>
        <translation>Periodo (días)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid T-Zero!</source>
        <translation>¡&quot;%1&quot; no es un T-cero válido!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid period!<byte value="xd"/>
<byte value="xd"/>
The period must be more than 0 days.</source>
        <translation>¡&quot;%1&quot; no es un periodo válido!<byte value="xd"/>
<byte value="xd"/>
El periodo debe ser de más de 0 días.</translation>
    </message>
    <message>
        <source>Invalid Curve Fit Parameter!</source>
        <translation>¡Parámetro del ajuste de la curva no válido!</translation>
    </message>
</context>
</TS>
