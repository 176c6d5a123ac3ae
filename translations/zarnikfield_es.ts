<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Activities</name>
    <message>
        <source>Across the Town</source>
        <translation>Cruzar la ciudad</translation>
    </message>
    <message>
        <source>Drive the car along the roads from Start to Finish.</source>
        <translation>Lleva el coche por las calles desde la salida hasta la meta.</translation>
    </message>
    <message>
        <source>Treasure Island</source>
        <translation>La isla del tesoro</translation>
    </message>
    <message>
        <source>Follow the dashed path to the cross where the treasure lies.</source>
        <translation>Sigue el camino de rayas hasta la cruz donde está el tesoro.</translation>
    </message>
    <message>
        <source>Grid Mat</source>
        <translation>Tapete cuadriculado</translation>
    </message>
    <message>
        <source>A mat of 30 cm squares for first moves, turns and shapes.</source>
        <translation>Un tapete de cuadros de 30 cm para los primeros pasos, giros y formas.</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Project</source>
        <translation>Proyecto</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>Programa GO</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, written in that language.</extracomment>
        <translation>Español</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
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
        <source>&amp;Copy Working Area</source>
        <translation>&amp;Copiar área de trabajo</translation>
    </message>
    <message>
        <source>Clear &amp;Memory (CM)</source>
        <translation>Borrar &amp;memoria (CM)</translation>
    </message>
    <message>
        <source>Floor &amp;Zarnik</source>
        <translation>Floor &amp;Zarnik</translation>
    </message>
    <message>
        <source>(You will need a Zarnik Interface Lead for this)</source>
        <translation>(Para esto necesitas el cable de conexión del Zarnik)</translation>
    </message>
    <message>
        <source>&amp;Send GO Program</source>
        <translation>&amp;Enviar programa GO</translation>
    </message>
    <message>
        <source>&amp;Get GO Program</source>
        <translation>&amp;Recibir programa GO</translation>
    </message>
    <message>
        <source>&amp;Activity</source>
        <translation>Ac&amp;tividad</translation>
    </message>
    <message>
        <source>&amp;Journeys</source>
        <translation>&amp;Viajes</translation>
    </message>
    <message>
        <source>&amp;Routes</source>
        <translation>&amp;Circuitos</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Ventana</translation>
    </message>
    <message>
        <source>&amp;Default Layout</source>
        <translation>&amp;Disposición predeterminada</translation>
    </message>
    <message>
        <source>&amp;Procedure</source>
        <translation>&amp;Procedimientos</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Zarnik&amp;field</source>
        <translation>Zarnik&amp;field</translation>
    </message>
    <message>
        <source>&amp;Zarnik</source>
        <translation>&amp;Zarnik</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>N&amp;ew Go Program</source>
        <translation>&amp;Nuevo programa GO</translation>
    </message>
    <message>
        <source>Open &amp;Activity...</source>
        <translation>Abrir &amp;actividad...</translation>
    </message>
    <message>
        <source>Open &amp;Project...</source>
        <translation>Abrir &amp;proyecto...</translation>
    </message>
    <message>
        <source>Open &amp;Go Program...</source>
        <translation>Abrir programa &amp;GO...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Archivos &amp;recientes</translation>
    </message>
    <message>
        <source>Save P&amp;roject...</source>
        <translation>Guardar pro&amp;yecto...</translation>
    </message>
    <message>
        <source>&amp;Save Go Program</source>
        <translation>Guar&amp;dar programa GO</translation>
    </message>
    <message>
        <source>Save G&amp;o Program...</source>
        <translation>Guardar programa G&amp;O...</translation>
    </message>
    <message>
        <source>Save &amp;Working Area...</source>
        <translation>Guardar área de &amp;trabajo...</translation>
    </message>
    <message>
        <source>Pri&amp;nt Go Program...</source>
        <translation>&amp;Imprimir programa GO...</translation>
    </message>
    <message>
        <source>Prin&amp;t Working Area...</source>
        <translation>Impri&amp;mir área de trabajo...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Listing Size</source>
        <translation>Tamaño del &amp;listado</translation>
    </message>
    <message>
        <source>&amp;Zarnik Speed</source>
        <translation>&amp;Velocidad del Zarnik</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lenta</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Media</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rápida</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>&amp;Instantánea</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>&amp;Tooltips</source>
        <translation>Información sobre &amp;herramientas</translation>
    </message>
    <message>
        <source>&amp;Com Port</source>
        <translation>&amp;Puerto COM</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>Alto &amp;contraste</translation>
    </message>
    <message>
        <source>&amp;Very Slow</source>
        <translation>M&amp;uy lenta</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Back to Main Toolbar</source>
        <translation>Volver a la barra principal</translation>
    </message>
    <message>
        <source>Warning: Unexpected keypress.</source>
        <translation>Aviso: esa tecla no se esperaba.</translation>
    </message>
    <message>
        <source>Press bracket key.</source>
        <translation>Pulsa la tecla de corchete.</translation>
    </message>
    <message>
        <source>Instruction not complete.</source>
        <translation>La instrucción no está completa.</translation>
    </message>
    <message>
        <source>Zarnik memory full!</source>
        <translation>¡La memoria del Zarnik está llena!</translation>
    </message>
    <message>
        <source>This will erase a procedure with this number.</source>
        <translation>Esto borrará un procedimiento con este número.</translation>
    </message>
    <message>
        <source>Number not expected.</source>
        <translation>Aquí no va un número.</translation>
    </message>
    <message>
        <source>No more numbers allowed here.</source>
        <translation>Aquí no caben más números.</translation>
    </message>
    <message>
        <source>Bracket not expected.</source>
        <translation>Aquí no va un corchete.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.</source>
        <translation>Aviso: al ordenador le queda poca memoria.</translation>
    </message>
    <message>
        <source>Too many repeats inside repeat commands: maximum is 5.</source>
        <translation>Demasiadas repeticiones unas dentro de otras: el máximo es 5.</translation>
    </message>
    <message>
        <source>Please complete the instruction.</source>
        <translation>Termina la instrucción, por favor.</translation>
    </message>
    <message>
        <source>Internal error: the Go Program could not be released.</source>
        <translation>Error interno: no se ha podido liberar el programa GO.</translation>
    </message>
    <message>
        <source>Zarnikfield - Enter Text</source>
        <translation>Zarnikfield - Escribir texto</translation>
    </message>
    <message>
        <source>Zarnikfield - Edit Text</source>
        <translation>Zarnikfield - Editar texto</translation>
    </message>
    <message>
        <source>DRAG to Graphics Window</source>
        <translation>ARRASTRA a la ventana de gráficos</translation>
    </message>
    <message>
        <source>CLICK on button to add to Go Program</source>
        <translation>HAZ CLIC en un botón para añadirlo al programa GO</translation>
    </message>
    <message>
        <source>Procedure Definition %d is incomplete.
Insert a closing bracket to complete the definition.</source>
        <translation>La definición del procedimiento %d no está completa.
Pon un corchete de cierre para terminarla.</translation>
    </message>
    <message>
        <source>Cannot open Com Port.
Try selecting a different Com Port through the Options menu. </source>
        <translation>No se puede abrir el puerto COM.
Prueba a elegir otro puerto COM en el menú Opciones. </translation>
    </message>
    <message>
        <source>Procedure %d cannot use Procedure %d (use a number HIGHER than %d).</source>
        <translation>El procedimiento %d no puede usar el procedimiento %d (usa un número MAYOR que %d).</translation>
    </message>
    <message>
        <source>You are defining Procedure 99.
This procedure cannot use any other procedure.</source>
        <translation>Estás definiendo el procedimiento 99.
Este procedimiento no puede usar ningún otro.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Sellos</translation>
    </message>
    <message>
        <source>Clear All Objects</source>
        <translation>Borrar todos los objetos</translation>
    </message>
    <message>
        <source>Flip Stamp</source>
        <translation>Voltear sello</translation>
    </message>
    <message>
        <source>Create and Place Text</source>
        <translation>Crear y colocar texto</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Clear One Object</source>
        <translation>Borrar un objeto</translation>
    </message>
    <message>
        <source>Stamps &amp;&amp; Text</source>
        <translation>Sellos y texto</translation>
    </message>
    <message>
        <source>Control the Go Program</source>
        <translation>Controlar el programa GO</translation>
    </message>
    <message>
        <source>Background Tools</source>
        <translation>Herramientas de fondo</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Direction</source>
        <translation>Zarnik: posición, forma y dirección</translation>
    </message>
    <message>
        <source>Run Go Program</source>
        <translation>Ejecutar programa GO</translation>
    </message>
    <message>
        <source>Stop Go Program</source>
        <translation>Detener programa GO</translation>
    </message>
    <message>
        <source>Continue Running</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Paso a paso</translation>
    </message>
    <message>
        <source>Set Size of Working Area</source>
        <translation>Tamaño del área de trabajo</translation>
    </message>
    <message>
        <source>Show/Hide Rulers</source>
        <translation>Mostrar/ocultar reglas</translation>
    </message>
    <message>
        <source>Load or Create Background</source>
        <translation>Cargar o crear fondo</translation>
    </message>
    <message>
        <source>Clear Working Area</source>
        <translation>Limpiar área de trabajo</translation>
    </message>
    <message>
        <source>Set Zarnik Shape</source>
        <translation>Forma del Zarnik</translation>
    </message>
    <message>
        <source>Set Zarnik Position</source>
        <translation>Posición del Zarnik</translation>
    </message>
    <message>
        <source>Set Zarnik Direction</source>
        <translation>Dirección del Zarnik</translation>
    </message>
    <message>
        <source>Flip Zarnik</source>
        <translation>Voltear Zarnik</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Heading</source>
        <translation>Zarnik: posición, forma y rumbo</translation>
    </message>
    <message>
        <source>Create Text</source>
        <translation>Crear texto</translation>
    </message>
    <message>
        <source>Pen Down</source>
        <translation>Bajar lápiz</translation>
    </message>
    <message>
        <source>Pen Up</source>
        <translation>Subir lápiz</translation>
    </message>
    <message>
        <source>Finish defining procedure then clear memory.</source>
        <translation>Termina de definir el procedimiento y después borra la memoria.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions - you need to add brackets.</source>
        <translation>Hay %d instrucciones Repetir sin terminar: tienes que añadir corchetes.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction - you need to add a bracket.</source>
        <translation>Hay una instrucción Repetir sin terminar: tienes que añadir un corchete.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>Has borrado una instrucción Repetir.
Borra también su corchete de cierre.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Go List.</source>
        <translation>Hay una instrucción sin terminar en la Lista GO.</translation>
    </message>
    <message>
        <source>No Go Program!</source>
        <translation>¡No hay programa GO!</translation>
    </message>
    <message>
        <source>The Go Program is running</source>
        <translation>El programa GO se está ejecutando</translation>
    </message>
    <message>
        <source>You need a later version of Zarnikfield to load this Go Program.
Go Program version...
</source>
        <translation>Para abrir este programa GO necesitas una versión más nueva de Zarnikfield.
Versión del programa GO...
</translation>
    </message>
    <message>
        <source>Program copied to Zarnik.</source>
        <translation>Programa copiado en el Zarnik.</translation>
    </message>
    <message>
        <source>The Floor Zarnik is not responding:

Is the Floor Zarnik switched on?
Is the interface cable connected (at both ends)?

(If the Floor Zarnik BUZZED, its Go program is incomplete.)</source>
        <translation>El Floor Zarnik no contesta:

¿Está encendido el Floor Zarnik?
¿Está enchufado el cable de conexión (por los dos extremos)?

(Si el Floor Zarnik ha ZUMBADO, su programa GO está incompleto.)</translation>
    </message>
    <message>
        <source>Zarnik must stay in working area.
Maximum values: X = %.1f and Y = %.1f</source>
        <translation>El Zarnik tiene que quedarse en el área de trabajo.
Valores máximos: X = %.1f, Y = %.1f</translation>
    </message>
    <message>
        <source>The cursor may only be positioned inside a Procedure definition.
Begin new Procedure definitions in the Go List.</source>
        <translation>Aquí el cursor solo puede ir dentro de la definición de un procedimiento.
Empieza los procedimientos nuevos en la Lista GO.</translation>
    </message>
    <message>
        <source>Your Text</source>
        <translation>Tu texto</translation>
    </message>
    <message>
        <source>Zarnik cannot move outside the working area.</source>
        <translation>El Zarnik no puede salir del área de trabajo.</translation>
    </message>
    <message>
        <source>This working area is smaller than Zarnik</source>
        <translation>Esta área de trabajo es más pequeña que el Zarnik</translation>
    </message>
    <message>
        <source>Specified Go Program not found</source>
        <translation>No se encuentra el programa GO indicado</translation>
    </message>
    <message>
        <source>Do you want to save changes to the Go Program?</source>
        <translation>¿Quieres guardar los cambios del programa GO?</translation>
    </message>
    <message>
        <source>Exit Zarnikfield.</source>
        <translation>Salir de Zarnikfield.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions
in your procedures - you need to add brackets.</source>
        <translation>Hay %d instrucciones Repetir sin terminar
en tus procedimientos: tienes que añadir corchetes.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction
in your procedures - you need to add a bracket.</source>
        <translation>Hay una instrucción Repetir sin terminar
en tus procedimientos: tienes que añadir un corchete.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction from the Procedure List.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>Has borrado una instrucción Repetir de la Lista de procedimientos.
Borra también su corchete de cierre.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Procedure List.</source>
        <translation>Hay una instrucción sin terminar en la Lista de procedimientos.</translation>
    </message>
    <message>
        <source>Zarnikfield</source>
        <translation>Zarnikfield</translation>
    </message>
    <message>
        <source>Clear Memory?
Yes: CM again.
No: Any other key.</source>
        <translation>¿Borrar la memoria?
Sí: CM otra vez.
No: cualquier otra tecla.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program is read-only.
Save the Go Program under a different name, and then re-save the project.</source>
        <translation>El programa GO de este proyecto es de solo lectura.
Guarda el programa GO con otro nombre y después vuelve a guardar el proyecto.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program cannot be found.</source>
        <translation>No se encuentra el programa GO de este proyecto.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this project?</source>
        <translation>¿Quieres guardar los cambios de este proyecto?</translation>
    </message>
    <message>
        <source>Could not open the specified project. A default project will be created instead</source>
        <translation>No se ha podido abrir el proyecto indicado. En su lugar se creará un proyecto predeterminado</translation>
    </message>
    <message>
        <source>The specified project could not be found. A default project will be created instead.</source>
        <translation>No se encuentra el proyecto indicado. En su lugar se creará un proyecto predeterminado.</translation>
    </message>
    <message>
        <source>Changing the size of the Working Area will clear all graphics.
Do you want to continue?</source>
        <translation>Si cambias el tamaño del área de trabajo, se borrarán todos los gráficos.
¿Quieres continuar?</translation>
    </message>
    <message>
        <source>Resize working area</source>
        <translation>Cambiar el tamaño del área de trabajo</translation>
    </message>
    <message>
        <source>File is not a Zarnikfield Go Program.</source>
        <translation>El archivo no es un programa GO de Zarnikfield.</translation>
    </message>
    <message>
        <source>You cannot open a new Go Program while stepping through or running another one</source>
        <translation>No puedes abrir un programa GO nuevo mientras otro se ejecuta o avanza paso a paso</translation>
    </message>
    <message>
        <source>You cannot open a new project while stepping through or running a Go Program</source>
        <translation>No puedes abrir un proyecto nuevo mientras un programa GO se ejecuta o avanza paso a paso</translation>
    </message>
    <message>
        <source>Internal error: the Go Program&apos;s repeats and procedures do not match.</source>
        <translation>Error interno: las repeticiones y los procedimientos del programa GO no coinciden.</translation>
    </message>
    <message>
        <source>Save Graphics Window</source>
        <translation>Guardar la ventana de gráficos</translation>
    </message>
    <message>
        <source>Select a project to open</source>
        <translation>Elige el proyecto que quieres abrir</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>Error al abrir el archivo.</translation>
    </message>
    <message>
        <source>V1.0 header sizes disagree</source>
        <translation>Los tamaños de la cabecera V1.0 no coinciden</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Guardar proyecto</translation>
    </message>
    <message>
        <source>Save Go Program</source>
        <translation>Guardar programa GO</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to save bitmap; 
Shut down another application and try again.</source>
        <translation>No hay memoria suficiente para guardar el mapa de bits; 
cierra otro programa y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to initialise paint package with a bitmap; 
Shut down another application and try again.</source>
        <translation>No hay memoria suficiente para abrir el programa de dibujo con un mapa de bits; 
cierra otro programa y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Delete procedures in the Go List.</source>
        <translation>Borra los procedimientos en la Lista GO.</translation>
    </message>
    <message>
        <source>Do you want to clear all objects from the screen?</source>
        <translation>¿Quieres borrar todos los objetos de la pantalla?</translation>
    </message>
    <message>
        <source>Do you want to clear the screen of all graphics?</source>
        <translation>¿Quieres borrar todos los gráficos de la pantalla?</translation>
    </message>
    <message>
        <source>Error opening graphics object list file.
I don&apos;t know what it means, either.</source>
        <translation>Error al abrir el archivo de la lista de objetos gráficos.
Yo tampoco sé qué quiere decir.</translation>
    </message>
    <message>
        <source>Procedure %d cannot accept another closing bracket.</source>
        <translation>El procedimiento %d no admite otro corchete de cierre.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard.</source>
        <translation>No se puede abrir el portapapeles.</translation>
    </message>
    <message>
        <source>Warning. There is insufficient memory for this object.
Close another application, save your work and try again.</source>
        <translation>Aviso: no hay memoria suficiente para este objeto.
Cierra otro programa, guarda tu trabajo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Do you wish to delete procedure %d ?</source>
        <translation>¿Quieres borrar el procedimiento %d?</translation>
    </message>
    <message>
        <source>You have selected a Project by mistake!
Please try again. </source>
        <translation>¡Has elegido un proyecto por error!
Vuelve a intentarlo, por favor. </translation>
    </message>
    <message>
        <source>This file is not a valid Project or Go Program.</source>
        <translation>Este archivo no es un proyecto ni un programa GO válido.</translation>
    </message>
    <message>
        <source>Specified Project not found</source>
        <translation>No se encuentra el proyecto indicado</translation>
    </message>
    <message>
        <source>Cannot open the specified Project</source>
        <translation>No se puede abrir el proyecto indicado</translation>
    </message>
    <message>
        <source>The GO List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>La Lista GO tiene más de 5 repeticiones unas dentro de otras.
Tienes que borrar %d instrucción(es) Repetir.</translation>
    </message>
    <message>
        <source>The Procedure List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>La Lista de procedimientos tiene más de 5 repeticiones unas dentro de otras.
Tienes que borrar %d instrucción(es) Repetir.</translation>
    </message>
    <message>
        <source>A %d is not allowed here.
Use a number from %d to %d. </source>
        <translation>Aquí no vale un %d.
Usa un número del %d al %d. </translation>
    </message>
    <message>
        <source>You need to add a bracket to the end of Procedure %d.</source>
        <translation>Tienes que añadir un corchete al final del procedimiento %d.</translation>
    </message>
    <message>
        <source>You must put the bracket at the END of Procedure %d, not here.</source>
        <translation>Tienes que poner el corchete al FINAL del procedimiento %d, no aquí.</translation>
    </message>
    <message>
        <source>Zarnikfield Launcher not found.</source>
        <translation>No se encuentra el lanzador de Zarnikfield.</translation>
    </message>
    <message>
        <source>This project&apos;s Zarnik was not found.
Zarnikfield will use an alternative Zarnik instead.</source>
        <translation>No se encuentra el Zarnik de este proyecto.
Zarnikfield usará otro Zarnik en su lugar.</translation>
    </message>
    <message>
        <source>This project cannot find any Zarniks.
You need to create a Zarnik for this project to use.</source>
        <translation>Este proyecto no encuentra ningún Zarnik.
Tienes que crear un Zarnik para este proyecto.</translation>
    </message>
    <message>
        <source>%s

This is not a Zarnikfield Project file.
Project not opened.</source>
        <translation>%s

Este no es un archivo de proyecto de Zarnikfield.
No se ha abierto el proyecto.</translation>
    </message>
    <message>
        <source>You cannot drag the Zarnik while the Go Program is running.</source>
        <translation>No puedes arrastrar el Zarnik mientras el programa GO se está ejecutando.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that this command will fit into memory.</source>
        <translation>Zarnikfield ha encontrado procedimientos vacíos y los borrará
 para que esta orden quepa en la memoria.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that the Go Program can be sent to the Zarnik.</source>
        <translation>Zarnikfield ha encontrado procedimientos vacíos y los borrará
 para poder enviar el programa GO al Zarnik.</translation>
    </message>
    <message>
        <source>Select a GO Program to open</source>
        <translation>Elige el programa GO que quieres abrir</translation>
    </message>
    <message>
        <source>Invalid window handle in ShowListCursor()
</source>
        <translation>Identificador de ventana no válido en ShowListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in HideListCursor()
</source>
        <translation>Identificador de ventana no válido en HideListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in PaintListCursor()
</source>
        <translation>Identificador de ventana no válido en PaintListCursor()
</translation>
    </message>
    <message>
        <source>Error while looking for an instruction. Click on GO list pane</source>
        <translation>Error al buscar una instrucción. Haz clic en la Lista GO</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
Close another application and try again.</source>
        <translation>Aviso: al ordenador le queda poca memoria.
Cierra otro programa y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
GO Program execution must terminate.
Close another application and try again.</source>
        <translation>Aviso: al ordenador le queda poca memoria.
El programa GO tiene que dejar de ejecutarse.
Cierra otro programa y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s ya existe.
¿Quieres sustituirlo?</translation>
    </message>
    <message>
        <source>This file can no longer be found:
%s

It has been taken off the list.</source>
        <translation>Este archivo ya no se encuentra:
%s

Se ha quitado de la lista.</translation>
    </message>
    <message>
        <source>Error: The subdirectory required for this operation
 was not found.</source>
        <translation>Error: no se encuentra la subcarpeta
 que hace falta para esta operación.</translation>
    </message>
    <message>
        <source>The following sub-folder is missing.
</source>
        <translation>Falta esta subcarpeta:
</translation>
    </message>
    <message>
        <source>The following sub-folders are missing.
</source>
        <translation>Faltan estas subcarpetas:
</translation>
    </message>
    <message>
        <source>Zarnikfield may function incorrectly.

</source>
        <translation>Puede que Zarnikfield no funcione bien.

</translation>
    </message>
    <message>
        <source>Zarnikfield will not open this Project.

</source>
        <translation>Zarnikfield no abrirá este proyecto.

</translation>
    </message>
    <message>
        <source>
To mend it, copy these folders with their pictures beside the project file, or save it again where it was made, into a folder of its own.</source>
        <translation>
Para arreglarlo, copia estas carpetas con sus dibujos junto al archivo del proyecto, o vuelve a guardar el proyecto, allí donde se hizo, en una carpeta propia.</translation>
    </message>
    <message>
        <source>

%s was looked for in:
%s</source>
        <translation>

%s se ha buscado en:
%s</translation>
    </message>
    <message>
        <source>The project was saved, but these files could not be copied into
%s

%s</source>
        <translation>El proyecto se ha guardado, pero estos archivos no se han podido copiar en
%s

%s</translation>
    </message>
    <message>
        <source>Zarnikfield is already running, but it does not answer.
Close it, then start Zarnikfield again.</source>
        <translation>Zarnikfield ya está abierto, pero no contesta.
Ciérralo y vuelve a iniciar Zarnikfield.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot start: it cannot write in this folder:
%s</source>
        <translation>Zarnikfield no puede arrancar: no puede escribir en esta carpeta:
%s</translation>
    </message>
    <message>
        <source>Zarnikfield has no Work folder to copy this project into:
no home folder is set.

Project not opened.</source>
        <translation>Zarnikfield no tiene carpeta Work donde copiar este proyecto:
no hay ninguna carpeta personal definida.

No se ha abierto el proyecto.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot write in its Work folder:
%s

Project not opened.</source>
        <translation>Zarnikfield no puede escribir en su carpeta Work:
%s

No se ha abierto el proyecto.</translation>
    </message>
    <message>
        <source>Specified Go Program is not a file.</source>
        <translation>El programa GO indicado no es un archivo.</translation>
    </message>
    <message>
        <source>Specified Go Program is too large to open.</source>
        <translation>El programa GO indicado es demasiado grande para abrirlo.</translation>
    </message>
    <message>
        <source>Specified Project is not a file.</source>
        <translation>El proyecto indicado no es un archivo.</translation>
    </message>
    <message>
        <source>Specified Project is too large to open.</source>
        <translation>El proyecto indicado es demasiado grande para abrirlo.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to a FILE that could not be found.</source>
        <translation>No se ha podido iniciar el programa de dibujo.
La entrada &apos;Paint Package&apos; del archivo zfield.ini indica un ARCHIVO que no se encuentra.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to an invalid PATH.</source>
        <translation>No se ha podido iniciar el programa de dibujo.
La entrada &apos;Paint Package&apos; del archivo zfield.ini indica una RUTA no válida.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
Error no. %d
Check that &apos;Paint Package&apos; entry in zfield.ini file refers to your system&apos;s paint package</source>
        <translation>No se ha podido iniciar el programa de dibujo.
Error n.º %d
Comprueba que la entrada &apos;Paint Package&apos; del archivo zfield.ini indica el programa de dibujo de tu sistema</translation>
    </message>
    <message>
        <source>got 0 chars</source>
        <translation>se han recibido 0 caracteres</translation>
    </message>
    <message>
        <source>

Port tried: COM %d (%s)</source>
        <translation>

Puerto probado: COM %d (%s)</translation>
    </message>
    <message>
        <source>Program copied from Zarnik.</source>
        <translation>Programa copiado desde el Zarnik.</translation>
    </message>
    <message>
        <source>The Floor Zarnik&apos;s answer could not be understood.
Check the interface lead and that the Zarnik is switched on, then try again.</source>
        <translation>No se ha entendido la respuesta del Floor Zarnik.
Comprueba el cable de conexión y que el Zarnik está encendido, y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The Go Program in the Floor Zarnik&apos;s memory is damaged.
The current Go Program has not been changed.</source>
        <translation>El programa GO de la memoria del Floor Zarnik está dañado.
El programa GO actual no ha cambiado.</translation>
    </message>
    <message>
        <source>Debug Info: Do you want to save this report?</source>
        <translation>Información de depuración: ¿quieres guardar este informe?</translation>
    </message>
    <message>
        <source>RC_BITMAP64 Not Supported by Printer.</source>
        <translation>La impresora no admite RC_BITMAP64.</translation>
    </message>
    <message>
        <source>RC_STRETCHDIB Not Supported by Printer.</source>
        <translation>La impresora no admite RC_STRETCHDIB.</translation>
    </message>
    <message>
        <source>Zarnikfield: Printing Problem</source>
        <translation>Zarnikfield: problema al imprimir</translation>
    </message>
    <message>
        <source>This printer/driver does not support large bitmaps.
This printout may give unexpected results.
Try printing to another printer instead.</source>
        <translation>Esta impresora o su controlador no admite mapas de bits grandes.
Puede que lo impreso no salga como esperas.
Prueba a imprimir en otra impresora.</translation>
    </message>
    <message>
        <source>This printer/driver does not support Zarnikfield printing.
Try printing to another printer instead.</source>
        <translation>Esta impresora o su controlador no admite la impresión de Zarnikfield.
Prueba a imprimir en otra impresora.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.</source>
        <translation>No se puede imprimir en la impresora elegida.

Prueba a elegir otra impresora.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.
--
StartDoc() failed: GetLastError() returned %d.</source>
        <translation>No se puede imprimir en la impresora elegida.

Prueba a elegir otra impresora.
--
StartDoc() ha fallado: GetLastError() ha devuelto %d.</translation>
    </message>
    <message>
        <source>Cannot print the page.
Try printing to another printer.</source>
        <translation>No se puede imprimir la página.
Prueba a imprimir en otra impresora.</translation>
    </message>
    <message>
        <source>Cannot end printing the page.
Try printing to another printer.</source>
        <translation>No se puede terminar de imprimir la página.
Prueba a imprimir en otra impresora.</translation>
    </message>
    <message>
        <source>Cannot end printing.
Try printing to another printer.</source>
        <translation>No se puede terminar la impresión.
Prueba a imprimir en otra impresora.</translation>
    </message>
    <message>
        <source>Your Zarnikfield Work folder holds a changed copy of this project:
%s

Yes opens your copy.
No starts afresh from the original project; your copy is kept as
%s
Cancel opens nothing.</source>
        <translation>Tu carpeta Zarnikfield Work tiene una copia cambiada de este proyecto:
%s

Sí abre tu copia.
No empieza de nuevo con el proyecto original; tu copia se guarda como
%s
Cancelar no abre nada.</translation>
    </message>
    <message>
        <source>step %d cm   </source>
        <translation>paso %d cm   </translation>
    </message>
    <message>
        <source>turn %d°   </source>
        <translation>giro %d°   </translation>
    </message>
    <message>
        <source>%d cells used / %d</source>
        <translation>%d celdas usadas / %d</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>Graphics Library</source>
        <translation>Biblioteca de gráficos</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procedimientos</translation>
    </message>
    <message>
        <source>Beside</source>
        <extracomment>The button moving the Procedure window beside or under the Go List.</extracomment>
        <translation>Al lado</translation>
    </message>
    <message>
        <source>Under</source>
        <translation>Debajo</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Robot&apos;s position</source>
        <translation>Posición del robot</translation>
    </message>
    <message>
        <source>Robot&apos;s heading</source>
        <translation>Rumbo del robot</translation>
    </message>
    <message>
        <source>Robot&apos;s picture</source>
        <translation>Forma del robot</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Sello</translation>
    </message>
    <message>
        <source>Pen down</source>
        <translation>Bajar lápiz</translation>
    </message>
    <message>
        <source>Pen up</source>
        <translation>Subir lápiz</translation>
    </message>
    <message>
        <source>Robot flipped</source>
        <translation>Robot volteado</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>Programa GO</translation>
    </message>
    <message>
        <source>Stamp flipped</source>
        <translation>Sello volteado</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Unknown line</source>
        <translation>Línea desconocida</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procedimiento</translation>
    </message>
    <message>
        <source>Quaver</source>
        <translation>Corchea</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Esperar</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Motor</translation>
    </message>
    <message>
        <source>Sense</source>
        <translation>Sensor</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Conmutar</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>Corchete</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Borrar entrada</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Borrar memoria</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abre corchete</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>cierra corchete</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Close bracket</source>
        <translation>Cierra corchete</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Botonera</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Go List</source>
        <translation>Lista GO</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>Procedimientos</translation>
    </message>
    <message>
        <source>Working area</source>
        <translation>Área de trabajo</translation>
    </message>
    <message>
        <source>The robot is %1 steps from the left and %2 steps from the top, facing %3 degrees.</source>
        <translation>El robot está a %1 pasos de la izquierda y a %2 pasos de arriba, mirando hacia %3 grados.</translation>
    </message>
    <message>
        <source>Its pen is down.</source>
        <translation>Su lápiz está bajado.</translation>
    </message>
    <message>
        <source>Its pen is up.</source>
        <translation>Su lápiz está subido.</translation>
    </message>
    <message>
        <source>Background: %1.</source>
        <translation>Fondo: %1.</translation>
    </message>
    <message>
        <source>Stamps: %1.</source>
        <translation>Sellos: %1.</translation>
    </message>
    <message>
        <source>Texts: %1.</source>
        <translation>Textos: %1.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Imágenes</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot;, %2 steps from the left and %3 steps from the top.</source>
        <translation>Texto «%1», a %2 pasos de la izquierda y %3 pasos de arriba.</translation>
    </message>
    <message>
        <source>Stamp %1, %2 steps from the left and %3 steps from the top.</source>
        <translation>Sello %1, a %2 pasos de la izquierda y %3 pasos de arriba.</translation>
    </message>
    <message>
        <source>Arrows choose, Return applies, Escape cancels.</source>
        <translation>Las flechas eligen, Intro aplica, Esc cancela.</translation>
    </message>
    <message>
        <source>Nothing on the working area for this tool.</source>
        <translation>No hay nada en el área de trabajo para esta herramienta.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Show the Procedure window under or beside the Go List</source>
        <translation>Pon la ventana Procedimientos debajo o al lado de la Lista GO</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
</context>
<context>
    <name>zf::ui::AbortDialog</name>
    <message>
        <source>Zarnikfield - Printing</source>
        <translation>Zarnikfield - Imprimiendo</translation>
    </message>
    <message>
        <source>Zarnikfield is printing...</source>
        <translation>Zarnikfield está imprimiendo...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zf::ui::AboutBox</name>
    <message>
        <source>About Zarnikfield</source>
        <translation>Acerca de Zarnikfield</translation>
    </message>
    <message>
        <source>A programming environment for the Floor Zarnik floor robot: key a Go Program on the robot&apos;s own keypad, watch it run on the working area, then send it to the robot down its lead.</source>
        <translation>Un entorno de programación para el robot de suelo Floor Zarnik: teclea un programa GO en la botonera del propio robot, mira cómo se ejecuta en el área de trabajo y después envíalo al robot por su cable.</translation>
    </message>
    <message>
        <source>Zarnikfield is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.</source>
        <translation>Zarnikfield es software libre: puedes redistribuirlo y/o modificarlo según los términos de la GNU General Public License (Licencia Pública General de GNU) publicada por la Free Software Foundation, ya sea la versión 3 de la licencia o (a tu elección) cualquier versión posterior. Se distribuye con la esperanza de que sea útil, pero SIN NINGUNA GARANTÍA; ni siquiera la garantía implícita de COMERCIABILIDAD o de IDONEIDAD PARA UN FIN DETERMINADO.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3</source>
        <translation>GNU General Public License, versión 3</translation>
    </message>
    <message>
        <source>This program uses the Qt libraries, version %1, under the GNU Lesser General Public License version 3. They are linked dynamically: you may replace them with your own build of Qt.</source>
        <translation>Este programa usa las bibliotecas Qt, versión %1, bajo la GNU Lesser General Public License, versión 3. Están enlazadas dinámicamente: puedes sustituirlas por tu propia compilación de Qt.</translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3</source>
        <translation>GNU Lesser General Public License, versión 3</translation>
    </message>
    <message>
        <source>The Qt libraries and their sources</source>
        <translation>Las bibliotecas Qt y su código fuente</translation>
    </message>
</context>
<context>
    <name>zf::ui::ActivityLauncher</name>
    <message>
        <source>Zarnikfield Activities</source>
        <translation>Actividades de Zarnikfield</translation>
    </message>
    <message>
        <source>Choose an activity</source>
        <translation>Elige una actividad</translation>
    </message>
    <message>
        <source>Click a picture to open its project in Zarnikfield. The help&apos;s Activity books describe what to do with each one.</source>
        <translation>Haz clic en un dibujo para abrir su proyecto en Zarnikfield. Los libros de actividades de la ayuda explican qué hacer con cada uno.</translation>
    </message>
    <message>
        <source>There are no activities in %1.</source>
        <translation>No hay actividades en %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Zarnikfield could not be started:
%1</source>
        <translation>No se ha podido iniciar Zarnikfield:
%1</translation>
    </message>
</context>
<context>
    <name>zf::ui::BackgroundDialog</name>
    <message>
        <source>Load or Create Background</source>
        <translation>Cargar o crear fondo</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Cargar</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;rear</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>zf::ui::DesktopUi</name>
    <message>
        <source>Zarnikfield - Procedure</source>
        <translation>Zarnikfield - Procedimiento</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>zf::ui::EnterTextDialog</name>
    <message>
        <source>&amp;Type your text here:</source>
        <translation>&amp;Escribe aquí tu texto:</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Fuente...</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Color...</translation>
    </message>
    <message>
        <source>The text will be this big:</source>
        <translation>El texto será así de grande:</translation>
    </message>
    <message>
        <source>The Zarnik
is this big:</source>
        <translation>El Zarnik
es así de grande:</translation>
    </message>
    <message>
        <source>&amp;Place Text...</source>
        <translation>Co&amp;locar texto...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Fuente</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
</context>
<context>
    <name>zf::ui::FileListDialog</name>
    <message>
        <source>&amp;Choose a file from the list:</source>
        <translation>&amp;Elige un archivo de la lista:</translation>
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
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>GO Program</source>
        <translation>Programa GO</translation>
    </message>
</context>
<context>
    <name>zf::ui::HeadingDialog</name>
    <message>
        <source>Set Zarnik Heading</source>
        <translation>Rumbo del Zarnik</translation>
    </message>
    <message>
        <source>&amp;Clockwise:</source>
        <translation>A la &amp;derecha:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>&amp;Anticlockwise:</source>
        <translation>A la &amp;izquierda:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpCommands</name>
    <message>
        <source>The help book %1 cannot be found in %2.</source>
        <translation>No se encuentra el libro de ayuda %1 en %2.</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpViewer</name>
    <message>
        <source>Zarnikfield Help</source>
        <translation>Ayuda de Zarnikfield</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>Índ&amp;ice</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Ade&amp;lante</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Buscar en la página: </translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>A&amp;nterior</translation>
    </message>
    <message>
        <source>%1 - Zarnikfield Help</source>
        <translation>%1 - Ayuda de Zarnikfield</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
        <translation>&quot;%1&quot; no está en esta página.</translation>
    </message>
</context>
<context>
    <name>zf::ui::MainWindow</name>
    <message>
        <source>Sending the Go Program to the Floor Zarnik...</source>
        <translation>Enviando el programa GO al Floor Zarnik...</translation>
    </message>
    <message>
        <source>Getting the Go Program from the Floor Zarnik...</source>
        <translation>Recibiendo el programa GO del Floor Zarnik...</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionDialog</name>
    <message>
        <source>Set Zarnik Position</source>
        <translation>Posición del Zarnik</translation>
    </message>
    <message>
        <source>Steps from the centre of the working area:</source>
        <translation>Pasos desde el centro del área de trabajo:</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>&amp;Arriba</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>A&amp;bajo</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionTextDialog</name>
    <message>
        <source>Position Text</source>
        <translation>Colocar texto</translation>
    </message>
    <message>
        <source>Drag this symbol to where you want to place the text.</source>
        <translation>Arrastra este símbolo hasta donde quieras poner el texto.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Or move the mark with the arrow keys and press Return.</source>
        <translation>O mueve la marca con las flechas y pulsa Intro.</translation>
    </message>
</context>
<context>
    <name>zf::ui::ProjectorMode</name>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Pantalla &amp;completa</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Tamaño real</translation>
    </message>
</context>
<context>
    <name>zf::ui::SizeDialog</name>
    <message>
        <source>Set Size of Working Area</source>
        <translation>Tamaño del área de trabajo</translation>
    </message>
    <message>
        <source>Size of the working area in Zarnik steps:</source>
        <translation>Tamaño del área de trabajo en pasos del Zarnik:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
</context>
<context>
    <name>zf::ui::TextPositionDialog</name>
    <message>
        <source>Top Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>Arriba a la derecha</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>Abajo a la izquierda</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>Abajo a la derecha</translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation>Posición del texto</translation>
    </message>
    <message>
        <source>Place text at &amp;Zarnik position</source>
        <translation>Poner el texto donde está el &amp;Zarnik</translation>
    </message>
    <message>
        <source>Place text &amp;near Zarnik</source>
        <translation>Poner el texto &amp;cerca del Zarnik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zf::ui::ToolDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>zf::ui::WorkingAreaCommands</name>
    <message>
        <source>Include the &amp;Zarnik</source>
        <translation>Incluir el &amp;Zarnik</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Mapas de bits</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>Imágenes PNG</translation>
    </message>
</context>
<context>
    <name>zfield</name>
    <message>
        <source>an empty file name was given for %s</source>
        <translation>se ha dado un nombre de archivo vacío para %s</translation>
    </message>
    <message>
        <source>cannot write %s (nothing was changed)</source>
        <translation>no se puede escribir %s (no se ha cambiado nada)</translation>
    </message>
    <message>
        <source>the converted file would not open again: %s</source>
        <translation>el archivo convertido no se podría volver a abrir: %s</translation>
    </message>
    <message>
        <source>IN and OUT are needed</source>
        <translation>hacen falta IN y OUT</translation>
    </message>
    <message>
        <source>bad argument &apos;%s&apos;</source>
        <translation>argumento incorrecto &apos;%s&apos;</translation>
    </message>
    <message>
        <source>where to? (zfield get -o FILE.gop)</source>
        <translation>¿adónde? (zfield get -o FILE.gop)</translation>
    </message>
    <message>
        <source>--answer takes yes, no, cancel or edit</source>
        <translation>--answer admite yes, no, cancel o edit</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>argumento inesperado &apos;%s&apos;</translation>
    </message>
    <message>
        <source>zfield: there is no language &apos;%s&apos; here; English is used (languages: %s)</source>
        <translation>zfield: aquí no está el idioma &apos;%s&apos;; se usa el inglés (idiomas: %s)</translation>
    </message>
    <message>
        <source>--icon-size takes 5 to 50</source>
        <translation>--icon-size admite de 5 a 50</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.png are needed</source>
        <translation>hacen falta FILE.gop y -o OUT.png</translation>
    </message>
    <message>
        <source>a list of %d lines is too long for one picture (%d lines at --icon-size %d); try a smaller --icon-size</source>
        <translation>una lista de %d líneas es demasiado larga para una imagen (%d líneas con --icon-size %d); prueba un --icon-size más pequeño</translation>
    </message>
    <message>
        <source>the listing would be %dx%d pixels, more than a picture may hold (%d); try a smaller --icon-size</source>
        <translation>el listado mediría %dx%d píxeles, más de lo que cabe en una imagen (%d); prueba un --icon-size más pequeño</translation>
    </message>
    <message>
        <source>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Keys SEQUENCE into a fresh Go Program and prints the messages shown,
      the GO list, the PROC list and the memory units left; -o saves it.</source>
        <translation>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Teclea SEQUENCE en un programa GO nuevo y escribe los mensajes que salen,
      la lista GO, la lista PROC y las unidades de memoria libres; -o lo guarda.</translation>
    </message>
    <message>
        <source>run (--keys &quot;SEQUENCE&quot; | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]
      [--trail] [--limit N] [-o OUT.png [--size WxH]]
      Keys SEQUENCE (or opens FILE.gop) and runs it as GO does from the centre
      of a W x H-step working area (10 x 10), heading 0, with the thin black
      pen as on the desktop, or on the working area and start state of
      project P; prints the messages shown, the robot (mm and degrees), the
      pen trail and the number of objects;
      -o draws the working area fitted into WxH pixels (1000x1000), the robot
      where it stopped. W and H are 1 to 99 steps; --limit N stops a run that
      has not ended after N instructions. Exit status 1 when the run could not
      start, was ended early or hit the limit.</source>
        <translation>run (--keys &quot;SEQUENCE&quot; | FILE.gop) [--project P.zfp] [--floor W,H] [--instant]
      [--trail] [--limit N] [-o OUT.png [--size WxH]]
      Teclea SEQUENCE (o abre FILE.gop) y lo ejecuta como GO, desde el centro
      de un área de trabajo de W x H pasos (10 x 10), con rumbo 0 y el lápiz
      negro fino, como en el escritorio, o en el área de trabajo y el estado
      inicial del proyecto P; escribe los mensajes que salen, el robot (mm y
      grados), el rastro del lápiz y el número de objetos;
      -o dibuja el área de trabajo ajustada a WxH píxeles (1000x1000), con el
      robot donde se paró. W y H van de 1 a 99 pasos; --limit N detiene una
      ejecución que no ha terminado tras N instrucciones. Estado de salida 1
      si no pudo empezar, terminó antes de tiempo o llegó al límite.</translation>
    </message>
    <message>
        <source>listing FILE.gop -o OUT.png [--icon-size N]
      Draws the GO list and the PROC list as their windows show them, with
      key pictures N pixels high (5 to 50, 30 by default).</source>
        <translation>listing FILE.gop -o OUT.png [--icon-size N]
      Dibuja la lista GO y la lista PROC como las muestran sus ventanas, con
      dibujos de teclas de N píxeles de alto (de 5 a 50; 30 si no se indica).</translation>
    </message>
    <message>
        <source>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Prints to a PDF file (A4) the pages Print Go Program prints: the GO
      list, then the PROC list, 55 - N lines a page (N the listing size, 30
      by default); --working-area prints the working area instead, after
      running FILE.gop on a fresh 10 x 10-step one or on that of project P.</source>
        <translation>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Imprime en un archivo PDF (A4) las páginas que imprime Imprimir programa
      GO: la lista GO y después la lista PROC, 55 - N líneas por página (N es el
      tamaño del listado, 30 si no se indica); --working-area imprime en su
      lugar el área de trabajo, después de ejecutar FILE.gop en una nueva de
      10 x 10 pasos o en la del proyecto P.</translation>
    </message>
    <message>
        <source>send FILE.gop [--port N | --device PATH] [--trace]
      Sends the Go Program to the Floor Zarnik as Send GO Program does, on
      port N (1..4, else the com port of zfield.ini) or the terminal device
      PATH; prints the messages shown; --trace prints the port&apos;s trace lines.</source>
        <translation>send FILE.gop [--port N | --device PATH] [--trace]
      Envía el programa GO al Floor Zarnik como Enviar programa GO, por el
      puerto N (1..4; si no, el com port de zfield.ini) o por el dispositivo
      de terminal PATH; escribe los mensajes que salen; --trace escribe las
      líneas de traza del puerto.</translation>
    </message>
    <message>
        <source>get [--port N | --device PATH] [--trace] -o FILE.gop
      Reads the Go Program held by the Floor Zarnik as Get GO Program does,
      saves it to FILE.gop and prints the messages shown and its lists.</source>
        <translation>get [--port N | --device PATH] [--trace] -o FILE.gop
      Lee el programa GO que guarda el Floor Zarnik, como Recibir programa GO,
      lo guarda en FILE.gop y escribe los mensajes que salen y sus listas.</translation>
    </message>
    <message>
        <source>show FILE
      Prints a Go Program as keys prints its lists, or a project (any form)
      as its settings, its trail points and its objects, one a line.</source>
        <translation>show FILE
      Escribe un programa GO como keys escribe sus listas, o un proyecto (de
      cualquier forma) como sus ajustes, los puntos de su rastro y sus objetos,
      uno por línea.</translation>
    </message>
    <message>
        <source>convert IN OUT
      Reads a Go Program or a project of any version and writes it as 2.0.</source>
        <translation>convert IN OUT
      Lee un programa GO o proyecto de cualquier versión y lo escribe como 2.0.</translation>
    </message>
    <message>
        <source>Messages the program shows go to standard error, results to standard output.
Exit status: 0 when the command did all that was asked, 1 when it could not
(a message says why), 2 for a wrong command line. Relative paths are taken
from the current directory; files are replaced whole or not at all.
The messages speak the language LANGUAGE, LC_ALL, LC_MESSAGES or LANG names,
or the one --lang CODE names (en, or a translation installed with zfield).
</source>
        <translation>Los mensajes del programa van a la salida de error estándar; los resultados, a
la salida estándar. Estado de salida: 0 si la orden hizo todo lo que se pidió,
1 si no pudo (un mensaje dice por qué), 2 si la línea de órdenes está mal. Las
rutas relativas parten de la carpeta actual; los archivos se sustituyen enteros
o nada. Los mensajes salen en el idioma que indica LANGUAGE, LC_ALL, LC_MESSAGES
o LANG, o en el que indica --lang CODE (en, o una traducción instalada con
zfield).
</translation>
    </message>
    <message>
        <source>Key-sequence notation (tokens separated by spaces, case ignored):
  FD BK LT RT        the four arrow keys, also FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    also REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                the one bracket key
  0..9               digit keys; a token of several digits keys each in turn
  CE CM GO           clear entry, confirmed clear memory, go
  POS(x,y) HEAD(h)   graphic commands: position in steps from the centre, heading
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
Listings use the same tokens, one instruction a line: RPT 4 [, FD 2 5, ], P 3 [.
In a quoted text \&quot; is a quote, \\ a backslash and \n a line break.
</source>
        <translation>Notación de teclas (palabras separadas por espacios, sin distinguir mayúsculas):
  FD BK LT RT        las cuatro flechas, también FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    también REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                la tecla de corchete
  0..9               cifras; una palabra de varias cifras teclea cada una
  CE CM GO           borrar entrada, borrar memoria (confirmado), ir
  POS(x,y) HEAD(h)   órdenes gráficas: posición en pasos desde el centro, rumbo
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
En los listados, una instrucción por línea: RPT 4 [, FD 2 5, ], P 3 [.
Entre comillas: \&quot; es una comilla, \\ una barra invertida, \n un salto de línea.
</translation>
    </message>
    <message>
        <source>zfield %s - the Zarnikfield command-line companion</source>
        <translation>zfield %s - Zarnikfield en la línea de órdenes</translation>
    </message>
    <message>
        <source>Usage: zfield [--lang CODE] COMMAND [ARGS]
       zfield --help | --version

Commands:</source>
        <translation>Uso: zfield [--lang CODE] COMMAND [ARGS]
     zfield --help | --version

Órdenes:</translation>
    </message>
    <message>
        <source>zfield: unknown command &apos;%s&apos; (see zfield --help)</source>
        <translation>zfield: orden desconocida &apos;%s&apos; (consulta zfield --help)</translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, each at most %d and at most %d pixels in all</source>
        <translation>--size admite WxH en píxeles, cada uno como mucho %d y como mucho %d píxeles en total</translation>
    </message>
    <message>
        <source>--size goes with -o OUT.png</source>
        <translation>--size va con -o OUT.png</translation>
    </message>
    <message>
        <source>cannot make the picture for %s</source>
        <translation>no se puede hacer la imagen de %s</translation>
    </message>
    <message>
        <source>the working area does not fit in %dx%d pixels</source>
        <translation>el área de trabajo no cabe en %dx%d píxeles</translation>
    </message>
    <message>
        <source>this build draws no pictures (it was built without Qt)</source>
        <translation>esta versión no dibuja imágenes (se compiló sin Qt)</translation>
    </message>
    <message>
        <source>--project needs a file name</source>
        <translation>--project necesita un nombre de archivo</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.pdf are needed</source>
        <translation>hacen falta FILE.gop y -o OUT.pdf</translation>
    </message>
    <message>
        <source>--project goes with --working-area</source>
        <translation>--project va con --working-area</translation>
    </message>
    <message>
        <source>%s has nothing to print</source>
        <translation>%s no tiene nada que imprimir</translation>
    </message>
    <message>
        <source>opening your changed copy %s</source>
        <translation>se abre tu copia cambiada %s</translation>
    </message>
    <message>
        <source>--floor takes W,H in steps, each 1 to 99</source>
        <translation>--floor admite W,H en pasos, cada uno de 1 a 99</translation>
    </message>
    <message>
        <source>--limit takes a number of instructions, 1 or more</source>
        <translation>--limit admite un número de instrucciones, 1 o más</translation>
    </message>
    <message>
        <source>a program is needed (--keys &quot;SEQUENCE&quot; or FILE.gop)</source>
        <translation>hace falta un programa (--keys &quot;SEQUENCE&quot; o FILE.gop)</translation>
    </message>
    <message>
        <source>the Go Program could not start</source>
        <translation>el programa GO no ha podido empezar</translation>
    </message>
    <message>
        <source>stopped after %d instructions (--limit %d)</source>
        <translation>detenido tras %d instrucciones (--limit %d)</translation>
    </message>
    <message>
        <source>the run was ended early</source>
        <translation>la ejecución terminó antes de tiempo</translation>
    </message>
    <message>
        <source>bad option &apos;%s&apos;</source>
        <translation>opción incorrecta &apos;%s&apos;</translation>
    </message>
    <message>
        <source>which Go Program? (zfield send FILE.gop)</source>
        <translation>¿qué programa GO? (zfield send FILE.gop)</translation>
    </message>
    <message>
        <source>one file is needed</source>
        <translation>hace falta un archivo</translation>
    </message>
</context>
</TS>
