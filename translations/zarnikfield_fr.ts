<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Activities</name>
    <message>
        <source>Across the Town</source>
        <translation>À travers la ville</translation>
    </message>
    <message>
        <source>Drive the car along the roads from Start to Finish.</source>
        <translation>Conduis la voiture sur les routes, du départ à l&apos;arrivée.</translation>
    </message>
    <message>
        <source>Treasure Island</source>
        <translation>L&apos;île au trésor</translation>
    </message>
    <message>
        <source>Follow the dashed path to the cross where the treasure lies.</source>
        <translation>Suis le chemin en pointillés jusqu&apos;à la croix où se cache le trésor.</translation>
    </message>
    <message>
        <source>Grid Mat</source>
        <translation>Tapis quadrillé</translation>
    </message>
    <message>
        <source>A mat of 30 cm squares for first moves, turns and shapes.</source>
        <translation>Un tapis de cases de 30 cm pour les premiers pas, les virages et les formes.</translation>
    </message>
</context>
<context>
    <name>FileTypes</name>
    <message>
        <source>Project</source>
        <translation>Projet</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>Programme Go</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>English</source>
        <extracomment>The name of the language of this translation, written in that language.</extracomment>
        <translation>Français</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>L&amp;anguage</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Copy Working Area</source>
        <translation>&amp;Copier la zone de travail</translation>
    </message>
    <message>
        <source>Clear &amp;Memory (CM)</source>
        <translation>Effacer la &amp;mémoire (CM)</translation>
    </message>
    <message>
        <source>Floor &amp;Zarnik</source>
        <translation>Floor &amp;Zarnik</translation>
    </message>
    <message>
        <source>(You will need a Zarnik Interface Lead for this)</source>
        <translation>(Il faut un câble de liaison Zarnik pour cela)</translation>
    </message>
    <message>
        <source>&amp;Send GO Program</source>
        <translation>&amp;Envoyer le programme GO</translation>
    </message>
    <message>
        <source>&amp;Get GO Program</source>
        <translation>&amp;Récupérer le programme GO</translation>
    </message>
    <message>
        <source>&amp;Activity</source>
        <translation>Ac&amp;tivités</translation>
    </message>
    <message>
        <source>&amp;Journeys</source>
        <translation>&amp;Trajets</translation>
    </message>
    <message>
        <source>&amp;Routes</source>
        <translation>&amp;Circuits</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>Fe&amp;nêtre</translation>
    </message>
    <message>
        <source>&amp;Default Layout</source>
        <translation>&amp;Disposition par défaut</translation>
    </message>
    <message>
        <source>&amp;Procedure</source>
        <translation>&amp;Procédures</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
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
        <translation>À &amp;propos...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>N&amp;ew Go Program</source>
        <translation>&amp;Nouveau programme Go</translation>
    </message>
    <message>
        <source>Open &amp;Activity...</source>
        <translation>Ouvrir une &amp;activité...</translation>
    </message>
    <message>
        <source>Open &amp;Project...</source>
        <translation>Ouvrir un &amp;projet...</translation>
    </message>
    <message>
        <source>Open &amp;Go Program...</source>
        <translation>Ouvrir un programme &amp;Go...</translation>
    </message>
    <message>
        <source>Recent &amp;Files</source>
        <translation>Fichiers &amp;récents</translation>
    </message>
    <message>
        <source>Save P&amp;roject...</source>
        <translation>Enregistrer le pro&amp;jet...</translation>
    </message>
    <message>
        <source>&amp;Save Go Program</source>
        <translation>&amp;Enregistrer le programme Go</translation>
    </message>
    <message>
        <source>Save G&amp;o Program...</source>
        <translation>Enregistrer le programme G&amp;o...</translation>
    </message>
    <message>
        <source>Save &amp;Working Area...</source>
        <translation>Enregistrer la &amp;zone de travail...</translation>
    </message>
    <message>
        <source>Pri&amp;nt Go Program...</source>
        <translation>&amp;Imprimer le programme Go...</translation>
    </message>
    <message>
        <source>Prin&amp;t Working Area...</source>
        <translation>Imprimer la zone de &amp;travail...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Listing Size</source>
        <translation>&amp;Taille de la liste</translation>
    </message>
    <message>
        <source>&amp;Zarnik Speed</source>
        <translation>&amp;Vitesse du Zarnik</translation>
    </message>
    <message>
        <source>&amp;Slow</source>
        <translation>&amp;Lent</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Fast</source>
        <translation>&amp;Rapide</translation>
    </message>
    <message>
        <source>&amp;Instant</source>
        <translation>&amp;Immédiat</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Tooltips</source>
        <translation>&amp;Infobulles</translation>
    </message>
    <message>
        <source>&amp;Com Port</source>
        <translation>&amp;Port COM</translation>
    </message>
    <message>
        <source>&amp;High Contrast</source>
        <translation>&amp;Contraste élevé</translation>
    </message>
    <message>
        <source>&amp;Very Slow</source>
        <translation>&amp;Très lent</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Back to Main Toolbar</source>
        <translation>Retour à la barre principale</translation>
    </message>
    <message>
        <source>Warning: Unexpected keypress.</source>
        <translation>Attention&#xa0;: touche inattendue.</translation>
    </message>
    <message>
        <source>Press bracket key.</source>
        <translation>Appuyez sur la touche crochet.</translation>
    </message>
    <message>
        <source>Instruction not complete.</source>
        <translation>Instruction pas terminée.</translation>
    </message>
    <message>
        <source>Zarnik memory full!</source>
        <translation>Mémoire du Zarnik pleine&#xa0;!</translation>
    </message>
    <message>
        <source>This will erase a procedure with this number.</source>
        <translation>Cela va effacer la procédure qui a ce numéro.</translation>
    </message>
    <message>
        <source>Number not expected.</source>
        <translation>Pas de nombre ici.</translation>
    </message>
    <message>
        <source>No more numbers allowed here.</source>
        <translation>Plus de chiffre possible ici.</translation>
    </message>
    <message>
        <source>Bracket not expected.</source>
        <translation>Pas de crochet ici.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.</source>
        <translation>Attention&#xa0;: la mémoire de l&apos;ordinateur est presque pleine.</translation>
    </message>
    <message>
        <source>Too many repeats inside repeat commands: maximum is 5.</source>
        <translation>Trop de répétitions les unes dans les autres&#xa0;: 5 au maximum.</translation>
    </message>
    <message>
        <source>Please complete the instruction.</source>
        <translation>Veuillez terminer l&apos;instruction.</translation>
    </message>
    <message>
        <source>Internal error: the Go Program could not be released.</source>
        <translation>Erreur interne&#xa0;: le programme Go n&apos;a pas pu être libéré.</translation>
    </message>
    <message>
        <source>Zarnikfield - Enter Text</source>
        <translation>Zarnikfield - Écrire un texte</translation>
    </message>
    <message>
        <source>Zarnikfield - Edit Text</source>
        <translation>Zarnikfield - Modifier le texte</translation>
    </message>
    <message>
        <source>DRAG to Graphics Window</source>
        <translation>FAIRE GLISSER vers la zone de travail</translation>
    </message>
    <message>
        <source>CLICK on button to add to Go Program</source>
        <translation>CLIQUER sur un bouton pour l&apos;ajouter au programme Go</translation>
    </message>
    <message>
        <source>Procedure Definition %d is incomplete.
Insert a closing bracket to complete the definition.</source>
        <translation>La définition de la procédure %d n&apos;est pas terminée.
Ajoutez un crochet fermant pour la terminer.</translation>
    </message>
    <message>
        <source>Cannot open Com Port.
Try selecting a different Com Port through the Options menu. </source>
        <translation>Impossible d&apos;ouvrir le port COM.
Essayez de choisir un autre port COM dans le menu Options. </translation>
    </message>
    <message>
        <source>Procedure %d cannot use Procedure %d (use a number HIGHER than %d).</source>
        <translation>La procédure %d ne peut pas utiliser la procédure %d (prenez un numéro PLUS GRAND que %d).</translation>
    </message>
    <message>
        <source>You are defining Procedure 99.
This procedure cannot use any other procedure.</source>
        <translation>Vous définissez la procédure 99.
Cette procédure ne peut utiliser aucune autre procédure.</translation>
    </message>
    <message>
        <source>Stamps</source>
        <translation>Tampons</translation>
    </message>
    <message>
        <source>Clear All Objects</source>
        <translation>Effacer tous les objets</translation>
    </message>
    <message>
        <source>Flip Stamp</source>
        <translation>Retourner le tampon</translation>
    </message>
    <message>
        <source>Create and Place Text</source>
        <translation>Créer et placer un texte</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Clear One Object</source>
        <translation>Effacer un objet</translation>
    </message>
    <message>
        <source>Stamps &amp;&amp; Text</source>
        <translation>Tampons et texte</translation>
    </message>
    <message>
        <source>Control the Go Program</source>
        <translation>Piloter le programme Go</translation>
    </message>
    <message>
        <source>Background Tools</source>
        <translation>Outils du fond</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Direction</source>
        <translation>Zarnik - position, forme et direction</translation>
    </message>
    <message>
        <source>Run Go Program</source>
        <translation>Lancer le programme Go</translation>
    </message>
    <message>
        <source>Stop Go Program</source>
        <translation>Arrêter le programme Go</translation>
    </message>
    <message>
        <source>Continue Running</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Remettre au départ</translation>
    </message>
    <message>
        <source>Step Forward</source>
        <translation>Instruction suivante</translation>
    </message>
    <message>
        <source>Set Size of Working Area</source>
        <translation>Régler la taille de la zone de travail</translation>
    </message>
    <message>
        <source>Show/Hide Rulers</source>
        <translation>Afficher/masquer les règles</translation>
    </message>
    <message>
        <source>Load or Create Background</source>
        <translation>Charger ou créer un fond</translation>
    </message>
    <message>
        <source>Clear Working Area</source>
        <translation>Effacer la zone de travail</translation>
    </message>
    <message>
        <source>Set Zarnik Shape</source>
        <translation>Choisir la forme du Zarnik</translation>
    </message>
    <message>
        <source>Set Zarnik Position</source>
        <translation>Régler la position du Zarnik</translation>
    </message>
    <message>
        <source>Set Zarnik Direction</source>
        <translation>Régler la direction du Zarnik</translation>
    </message>
    <message>
        <source>Flip Zarnik</source>
        <translation>Retourner le Zarnik</translation>
    </message>
    <message>
        <source>Zarnik - Position, Shape &amp;&amp; Heading</source>
        <translation>Zarnik - position, forme et cap</translation>
    </message>
    <message>
        <source>Create Text</source>
        <translation>Créer un texte</translation>
    </message>
    <message>
        <source>Pen Down</source>
        <translation>Poser le crayon</translation>
    </message>
    <message>
        <source>Pen Up</source>
        <translation>Lever le crayon</translation>
    </message>
    <message>
        <source>Finish defining procedure then clear memory.</source>
        <translation>Terminez la définition de la procédure, puis effacez la mémoire.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions - you need to add brackets.</source>
        <translation>Il y a %d instructions Répéter pas terminées&#xa0;: il faut ajouter des crochets.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction - you need to add a bracket.</source>
        <translation>Une instruction Répéter n&apos;est pas terminée&#xa0;: il faut ajouter un crochet.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>Vous avez supprimé une instruction Répéter.
Supprimez aussi son crochet de fin.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Go List.</source>
        <translation>La liste Go contient une instruction pas terminée.</translation>
    </message>
    <message>
        <source>No Go Program!</source>
        <translation>Pas de programme Go&#xa0;!</translation>
    </message>
    <message>
        <source>The Go Program is running</source>
        <translation>Le programme Go est en cours d&apos;exécution</translation>
    </message>
    <message>
        <source>You need a later version of Zarnikfield to load this Go Program.
Go Program version...
</source>
        <translation>Il faut une version plus récente de Zarnikfield pour ouvrir ce programme Go.
Version du programme Go...
</translation>
    </message>
    <message>
        <source>Program copied to Zarnik.</source>
        <translation>Programme copié dans le Zarnik.</translation>
    </message>
    <message>
        <source>The Floor Zarnik is not responding:

Is the Floor Zarnik switched on?
Is the interface cable connected (at both ends)?

(If the Floor Zarnik BUZZED, its Go program is incomplete.)</source>
        <translation>Le Floor Zarnik ne répond pas&#xa0;:

Le Floor Zarnik est-il allumé&#xa0;?
Le câble de liaison est-il branché (aux deux bouts)&#xa0;?

(Si le Floor Zarnik a BOURDONNÉ, son programme Go n&apos;est pas terminé.)</translation>
    </message>
    <message>
        <source>Zarnik must stay in working area.
Maximum values: X = %.1f and Y = %.1f</source>
        <translation>Le Zarnik doit rester dans la zone de travail.
Valeurs maximales&#xa0;: X = %.1f et Y = %.1f</translation>
    </message>
    <message>
        <source>The cursor may only be positioned inside a Procedure definition.
Begin new Procedure definitions in the Go List.</source>
        <translation>Le curseur ne peut être placé que dans la définition d&apos;une procédure.
Commencez les nouvelles procédures dans la liste Go.</translation>
    </message>
    <message>
        <source>Your Text</source>
        <translation>Votre texte</translation>
    </message>
    <message>
        <source>Zarnik cannot move outside the working area.</source>
        <translation>Le Zarnik ne peut pas sortir de la zone de travail.</translation>
    </message>
    <message>
        <source>This working area is smaller than Zarnik</source>
        <translation>Cette zone de travail est plus petite que le Zarnik</translation>
    </message>
    <message>
        <source>Specified Go Program not found</source>
        <translation>Le programme Go demandé est introuvable</translation>
    </message>
    <message>
        <source>Do you want to save changes to the Go Program?</source>
        <translation>Voulez-vous enregistrer les modifications du programme Go&#xa0;?</translation>
    </message>
    <message>
        <source>Exit Zarnikfield.</source>
        <translation>Quitter Zarnikfield.</translation>
    </message>
    <message>
        <source>There are %d incomplete Repeat instructions
in your procedures - you need to add brackets.</source>
        <translation>Il y a %d instructions Répéter pas terminées
dans vos procédures&#xa0;: il faut ajouter des crochets.</translation>
    </message>
    <message>
        <source>There is an incomplete Repeat instruction
in your procedures - you need to add a bracket.</source>
        <translation>Une instruction Répéter n&apos;est pas terminée
dans vos procédures&#xa0;: il faut ajouter un crochet.</translation>
    </message>
    <message>
        <source>You have deleted a Repeat instruction from the Procedure List.
Delete the Repeat&apos;s end-bracket as well.</source>
        <translation>Vous avez supprimé une instruction Répéter de la liste des procédures.
Supprimez aussi son crochet de fin.</translation>
    </message>
    <message>
        <source>There is an incomplete instruction in the Procedure List.</source>
        <translation>La liste des procédures contient une instruction pas terminée.</translation>
    </message>
    <message>
        <source>Zarnikfield</source>
        <translation>Zarnikfield</translation>
    </message>
    <message>
        <source>Clear Memory?
Yes: CM again.
No: Any other key.</source>
        <translation>Effacer la mémoire&#xa0;?
Oui&#xa0;: encore CM.
Non&#xa0;: une autre touche.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program is read-only.
Save the Go Program under a different name, and then re-save the project.</source>
        <translation>Le programme Go de ce projet est en lecture seule.
Enregistrez le programme Go sous un autre nom, puis enregistrez de nouveau le projet.</translation>
    </message>
    <message>
        <source>This project&apos;s Go Program cannot be found.</source>
        <translation>Le programme Go de ce projet est introuvable.</translation>
    </message>
    <message>
        <source>Do you want to save the changes to this project?</source>
        <translation>Voulez-vous enregistrer les modifications de ce projet&#xa0;?</translation>
    </message>
    <message>
        <source>Could not open the specified project. A default project will be created instead</source>
        <translation>Impossible d&apos;ouvrir le projet demandé. Un projet par défaut va être créé à la place</translation>
    </message>
    <message>
        <source>The specified project could not be found. A default project will be created instead.</source>
        <translation>Le projet demandé est introuvable. Un projet par défaut va être créé à la place.</translation>
    </message>
    <message>
        <source>Changing the size of the Working Area will clear all graphics.
Do you want to continue?</source>
        <translation>Changer la taille de la zone de travail efface tous les dessins.
Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Resize working area</source>
        <translation>Changer la taille de la zone de travail</translation>
    </message>
    <message>
        <source>File is not a Zarnikfield Go Program.</source>
        <translation>Ce fichier n&apos;est pas un programme Go de Zarnikfield.</translation>
    </message>
    <message>
        <source>You cannot open a new Go Program while stepping through or running another one</source>
        <translation>Vous ne pouvez pas ouvrir un nouveau programme Go pendant qu&apos;un autre s&apos;exécute ou avance pas à pas</translation>
    </message>
    <message>
        <source>You cannot open a new project while stepping through or running a Go Program</source>
        <translation>Vous ne pouvez pas ouvrir un nouveau projet pendant qu&apos;un programme Go s&apos;exécute ou avance pas à pas</translation>
    </message>
    <message>
        <source>Internal error: the Go Program&apos;s repeats and procedures do not match.</source>
        <translation>Erreur interne&#xa0;: les répétitions et les procédures du programme Go ne correspondent pas.</translation>
    </message>
    <message>
        <source>Save Graphics Window</source>
        <translation>Enregistrer la zone de travail</translation>
    </message>
    <message>
        <source>Select a project to open</source>
        <translation>Choisissez un projet à ouvrir</translation>
    </message>
    <message>
        <source>File open error.</source>
        <translation>Erreur à l&apos;ouverture du fichier.</translation>
    </message>
    <message>
        <source>V1.0 header sizes disagree</source>
        <translation>Les tailles de l&apos;en-tête V1.0 ne concordent pas</translation>
    </message>
    <message>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <source>Save Go Program</source>
        <translation>Enregistrer le programme Go</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to save bitmap; 
Shut down another application and try again.</source>
        <translation>Pas assez de mémoire pour enregistrer l&apos;image&#xa0;; 
fermez une autre application et réessayez.</translation>
    </message>
    <message>
        <source>Cannot allocate enough memory to initialise paint package with a bitmap; 
Shut down another application and try again.</source>
        <translation>Pas assez de mémoire pour ouvrir le logiciel de dessin avec une image&#xa0;; 
fermez une autre application et réessayez.</translation>
    </message>
    <message>
        <source>Delete procedures in the Go List.</source>
        <translation>Supprimez les procédures dans la liste Go.</translation>
    </message>
    <message>
        <source>Do you want to clear all objects from the screen?</source>
        <translation>Voulez-vous effacer tous les objets de l&apos;écran&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to clear the screen of all graphics?</source>
        <translation>Voulez-vous effacer tous les dessins de l&apos;écran&#xa0;?</translation>
    </message>
    <message>
        <source>Error opening graphics object list file.
I don&apos;t know what it means, either.</source>
        <translation>Erreur à l&apos;ouverture du fichier de la liste des objets graphiques.
Je ne sais pas non plus ce que cela veut dire.</translation>
    </message>
    <message>
        <source>Procedure %d cannot accept another closing bracket.</source>
        <translation>La procédure %d ne peut pas recevoir un autre crochet fermant.</translation>
    </message>
    <message>
        <source>Cannot open the Clipboard.</source>
        <translation>Impossible d&apos;ouvrir le presse-papiers.</translation>
    </message>
    <message>
        <source>Warning. There is insufficient memory for this object.
Close another application, save your work and try again.</source>
        <translation>Attention. Il n&apos;y a pas assez de mémoire pour cet objet.
Fermez une autre application, enregistrez votre travail et réessayez.</translation>
    </message>
    <message>
        <source>Do you wish to delete procedure %d ?</source>
        <translation>Voulez-vous supprimer la procédure %d&#xa0;?</translation>
    </message>
    <message>
        <source>You have selected a Project by mistake!
Please try again. </source>
        <translation>Vous avez choisi un projet par erreur&#xa0;!
Veuillez réessayer. </translation>
    </message>
    <message>
        <source>This file is not a valid Project or Go Program.</source>
        <translation>Ce fichier n&apos;est ni un projet ni un programme Go valable.</translation>
    </message>
    <message>
        <source>Specified Project not found</source>
        <translation>Le projet demandé est introuvable</translation>
    </message>
    <message>
        <source>Cannot open the specified Project</source>
        <translation>Impossible d&apos;ouvrir le projet demandé</translation>
    </message>
    <message>
        <source>The GO List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>La liste GO contient plus de 5 répétitions les unes dans les autres.
Vous devez supprimer %d commande(s) Répéter.</translation>
    </message>
    <message>
        <source>The Procedure List contains more than 5 Repeats inside Repeat Commands.
You must delete %d Repeat command(s).</source>
        <translation>La liste des procédures contient plus de 5 répétitions les unes dans les autres.
Vous devez supprimer %d commande(s) Répéter.</translation>
    </message>
    <message>
        <source>A %d is not allowed here.
Use a number from %d to %d. </source>
        <translation>Le %d n&apos;est pas permis ici.
Utilisez un chiffre de %d à %d. </translation>
    </message>
    <message>
        <source>You need to add a bracket to the end of Procedure %d.</source>
        <translation>Il faut ajouter un crochet à la fin de la procédure %d.</translation>
    </message>
    <message>
        <source>You must put the bracket at the END of Procedure %d, not here.</source>
        <translation>Le crochet doit être à la FIN de la procédure %d, pas ici.</translation>
    </message>
    <message>
        <source>Zarnikfield Launcher not found.</source>
        <translation>Le lanceur de Zarnikfield est introuvable.</translation>
    </message>
    <message>
        <source>This project&apos;s Zarnik was not found.
Zarnikfield will use an alternative Zarnik instead.</source>
        <translation>Le Zarnik de ce projet est introuvable.
Zarnikfield va utiliser un autre Zarnik à la place.</translation>
    </message>
    <message>
        <source>This project cannot find any Zarniks.
You need to create a Zarnik for this project to use.</source>
        <translation>Ce projet ne trouve aucun Zarnik.
Il faut créer un Zarnik pour ce projet.</translation>
    </message>
    <message>
        <source>%s

This is not a Zarnikfield Project file.
Project not opened.</source>
        <translation>%s

Ce n&apos;est pas un fichier de projet Zarnikfield.
Le projet n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>You cannot drag the Zarnik while the Go Program is running.</source>
        <translation>Vous ne pouvez pas faire glisser le Zarnik pendant que le programme Go s&apos;exécute.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that this command will fit into memory.</source>
        <translation>Zarnikfield a trouvé des procédures vides et va les supprimer
 pour que cette commande tienne en mémoire.</translation>
    </message>
    <message>
        <source>Zarnikfield has found empty Procedures, and will delete them
 so that the Go Program can be sent to the Zarnik.</source>
        <translation>Zarnikfield a trouvé des procédures vides et va les supprimer
 pour que le programme Go puisse être envoyé au Zarnik.</translation>
    </message>
    <message>
        <source>Select a GO Program to open</source>
        <translation>Choisissez un programme GO à ouvrir</translation>
    </message>
    <message>
        <source>Invalid window handle in ShowListCursor()
</source>
        <translation>Identifiant de fenêtre non valable dans ShowListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in HideListCursor()
</source>
        <translation>Identifiant de fenêtre non valable dans HideListCursor()
</translation>
    </message>
    <message>
        <source>Invalid window handle in PaintListCursor()
</source>
        <translation>Identifiant de fenêtre non valable dans PaintListCursor()
</translation>
    </message>
    <message>
        <source>Error while looking for an instruction. Click on GO list pane</source>
        <translation>Erreur en cherchant une instruction. Cliquez dans la liste GO</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
Close another application and try again.</source>
        <translation>Attention&#xa0;: la mémoire de l&apos;ordinateur est presque pleine.
Fermez une autre application et réessayez.</translation>
    </message>
    <message>
        <source>Warning: Computer memory is low.
GO Program execution must terminate.
Close another application and try again.</source>
        <translation>Attention&#xa0;: la mémoire de l&apos;ordinateur est presque pleine.
Le programme GO doit s&apos;arrêter.
Fermez une autre application et réessayez.</translation>
    </message>
    <message>
        <source>%s already exists.
Do you want to replace it?</source>
        <translation>%s existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>This file can no longer be found:
%s

It has been taken off the list.</source>
        <translation>Ce fichier est introuvable&#xa0;:
%s

Il a été retiré de la liste.</translation>
    </message>
    <message>
        <source>Error: The subdirectory required for this operation
 was not found.</source>
        <translation>Erreur&#xa0;: le sous-dossier nécessaire à cette opération
 est introuvable.</translation>
    </message>
    <message>
        <source>The following sub-folder is missing.
</source>
        <translation>Le sous-dossier suivant manque.
</translation>
    </message>
    <message>
        <source>The following sub-folders are missing.
</source>
        <translation>Les sous-dossiers suivants manquent.
</translation>
    </message>
    <message>
        <source>Zarnikfield may function incorrectly.

</source>
        <translation>Zarnikfield risque de mal fonctionner.

</translation>
    </message>
    <message>
        <source>Zarnikfield will not open this Project.

</source>
        <translation>Zarnikfield n&apos;ouvrira pas ce projet.

</translation>
    </message>
    <message>
        <source>
To mend it, copy these folders with their pictures beside the project file, or save it again where it was made, into a folder of its own.</source>
        <translation>
Pour réparer, copiez ces dossiers avec leurs images à côté du fichier du projet, ou enregistrez-le de nouveau là où il a été créé, dans un dossier à lui.</translation>
    </message>
    <message>
        <source>

%s was looked for in:
%s</source>
        <translation>

%s a été cherché dans&#xa0;:
%s</translation>
    </message>
    <message>
        <source>The project was saved, but these files could not be copied into
%s

%s</source>
        <translation>Le projet a été enregistré, mais ces fichiers n&apos;ont pas pu être copiés dans
%s

%s</translation>
    </message>
    <message>
        <source>Zarnikfield is already running, but it does not answer.
Close it, then start Zarnikfield again.</source>
        <translation>Zarnikfield est déjà ouvert, mais il ne répond pas.
Fermez-le, puis relancez Zarnikfield.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot start: it cannot write in this folder:
%s</source>
        <translation>Zarnikfield ne peut pas démarrer&#xa0;: il ne peut pas écrire dans ce dossier&#xa0;:
%s</translation>
    </message>
    <message>
        <source>Zarnikfield has no Work folder to copy this project into:
no home folder is set.

Project not opened.</source>
        <translation>Zarnikfield n&apos;a pas de dossier Work où copier ce projet&#xa0;:
aucun dossier personnel n&apos;est défini.

Le projet n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>Zarnikfield cannot write in its Work folder:
%s

Project not opened.</source>
        <translation>Zarnikfield ne peut pas écrire dans son dossier Work&#xa0;:
%s

Le projet n&apos;a pas été ouvert.</translation>
    </message>
    <message>
        <source>Specified Go Program is not a file.</source>
        <translation>Le programme Go demandé n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Specified Go Program is too large to open.</source>
        <translation>Le programme Go demandé est trop grand pour être ouvert.</translation>
    </message>
    <message>
        <source>Specified Project is not a file.</source>
        <translation>Le projet demandé n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>Specified Project is too large to open.</source>
        <translation>Le projet demandé est trop grand pour être ouvert.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to a FILE that could not be found.</source>
        <translation>Le logiciel de dessin n&apos;a pas pu être lancé.
L&apos;entrée «&#xa0;Paint Package&#xa0;» du fichier zfield.ini désigne un FICHIER introuvable.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
The &apos;Paint Package&apos; entry in the zfield.ini file refers to an invalid PATH.</source>
        <translation>Le logiciel de dessin n&apos;a pas pu être lancé.
L&apos;entrée «&#xa0;Paint Package&#xa0;» du fichier zfield.ini désigne un CHEMIN non valable.</translation>
    </message>
    <message>
        <source>Paint package could not be started.
Error no. %d
Check that &apos;Paint Package&apos; entry in zfield.ini file refers to your system&apos;s paint package</source>
        <translation>Le logiciel de dessin n&apos;a pas pu être lancé.
Erreur n° %d
Vérifiez que l&apos;entrée «&#xa0;Paint Package&#xa0;» du fichier zfield.ini désigne le logiciel de dessin de votre ordinateur</translation>
    </message>
    <message>
        <source>got 0 chars</source>
        <translation>0 caractère reçu</translation>
    </message>
    <message>
        <source>

Port tried: COM %d (%s)</source>
        <translation>

Port essayé&#xa0;: COM %d (%s)</translation>
    </message>
    <message>
        <source>Program copied from Zarnik.</source>
        <translation>Programme copié depuis le Zarnik.</translation>
    </message>
    <message>
        <source>The Floor Zarnik&apos;s answer could not be understood.
Check the interface lead and that the Zarnik is switched on, then try again.</source>
        <translation>La réponse du Floor Zarnik n&apos;a pas pu être comprise.
Vérifiez le câble de liaison et que le Zarnik est allumé, puis réessayez.</translation>
    </message>
    <message>
        <source>The Go Program in the Floor Zarnik&apos;s memory is damaged.
The current Go Program has not been changed.</source>
        <translation>Le programme Go dans la mémoire du Floor Zarnik est abîmé.
Le programme Go actuel n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>Debug Info: Do you want to save this report?</source>
        <translation>Informations de débogage&#xa0;: voulez-vous enregistrer ce rapport&#xa0;?</translation>
    </message>
    <message>
        <source>RC_BITMAP64 Not Supported by Printer.</source>
        <translation>RC_BITMAP64 non pris en charge par l&apos;imprimante.</translation>
    </message>
    <message>
        <source>RC_STRETCHDIB Not Supported by Printer.</source>
        <translation>RC_STRETCHDIB non pris en charge par l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Zarnikfield: Printing Problem</source>
        <translation>Zarnikfield&#xa0;: problème d&apos;impression</translation>
    </message>
    <message>
        <source>This printer/driver does not support large bitmaps.
This printout may give unexpected results.
Try printing to another printer instead.</source>
        <translation>Cette imprimante (ou son pilote) ne sait pas imprimer les grandes images.
Le résultat risque d&apos;être inattendu.
Essayez plutôt une autre imprimante.</translation>
    </message>
    <message>
        <source>This printer/driver does not support Zarnikfield printing.
Try printing to another printer instead.</source>
        <translation>Cette imprimante (ou son pilote) ne sait pas imprimer pour Zarnikfield.
Essayez plutôt une autre imprimante.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.</source>
        <translation>Impossible d&apos;imprimer sur l&apos;imprimante choisie.

Essayez de choisir une autre imprimante.</translation>
    </message>
    <message>
        <source>Cannot print to the selected printer.

Try selecting a different printer.
--
StartDoc() failed: GetLastError() returned %d.</source>
        <translation>Impossible d&apos;imprimer sur l&apos;imprimante choisie.

Essayez de choisir une autre imprimante.
--
StartDoc() a échoué&#xa0;: GetLastError() a renvoyé %d.</translation>
    </message>
    <message>
        <source>Cannot print the page.
Try printing to another printer.</source>
        <translation>Impossible d&apos;imprimer la page.
Essayez une autre imprimante.</translation>
    </message>
    <message>
        <source>Cannot end printing the page.
Try printing to another printer.</source>
        <translation>Impossible de terminer l&apos;impression de la page.
Essayez une autre imprimante.</translation>
    </message>
    <message>
        <source>Cannot end printing.
Try printing to another printer.</source>
        <translation>Impossible de terminer l&apos;impression.
Essayez une autre imprimante.</translation>
    </message>
    <message>
        <source>Your Zarnikfield Work folder holds a changed copy of this project:
%s

Yes opens your copy.
No starts afresh from the original project; your copy is kept as
%s
Cancel opens nothing.</source>
        <translation>Votre dossier Zarnikfield Work contient une copie modifiée de ce projet&#xa0;:
%s

Oui ouvre votre copie.
Non repart du projet d&apos;origine&#xa0;; votre copie est gardée sous le nom
%s
Annuler n&apos;ouvre rien.</translation>
    </message>
    <message>
        <source>step %d cm   </source>
        <translation>pas %d cm   </translation>
    </message>
    <message>
        <source>turn %d°   </source>
        <translation>rotation %d°   </translation>
    </message>
    <message>
        <source>%d cells used / %d</source>
        <translation>%d cellules utilisées / %d</translation>
    </message>
</context>
<context>
    <name>Panes</name>
    <message>
        <source>Graphics Library</source>
        <translation>Bibliothèque d&apos;images</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procédures</translation>
    </message>
    <message>
        <source>Beside</source>
        <extracomment>The button moving the Procedure window beside or under the Go List.</extracomment>
        <translation>À côté</translation>
    </message>
    <message>
        <source>Under</source>
        <translation>Dessous</translation>
    </message>
</context>
<context>
    <name>Printing</name>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>Robot&apos;s position</source>
        <translation>Position du robot</translation>
    </message>
    <message>
        <source>Robot&apos;s heading</source>
        <translation>Direction du robot</translation>
    </message>
    <message>
        <source>Robot&apos;s picture</source>
        <translation>Forme du robot</translation>
    </message>
    <message>
        <source>Stamp</source>
        <translation>Tampon</translation>
    </message>
    <message>
        <source>Pen down</source>
        <translation>Crayon baissé</translation>
    </message>
    <message>
        <source>Pen up</source>
        <translation>Crayon levé</translation>
    </message>
    <message>
        <source>Robot flipped</source>
        <translation>Robot retourné</translation>
    </message>
    <message>
        <source>Go Program</source>
        <translation>Programme Go</translation>
    </message>
    <message>
        <source>Stamp flipped</source>
        <translation>Tampon retourné</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Unknown line</source>
        <translation>Ligne inconnue</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avancer</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Reculer</translation>
    </message>
    <message>
        <source>Turn left</source>
        <translation>Tourner à gauche</translation>
    </message>
    <message>
        <source>Turn right</source>
        <translation>Tourner à droite</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Répéter</translation>
    </message>
    <message>
        <source>Procedure</source>
        <translation>Procédure</translation>
    </message>
    <message>
        <source>Quaver</source>
        <translation>Croche</translation>
    </message>
    <message>
        <source>Wait</source>
        <translation>Attendre</translation>
    </message>
    <message>
        <source>Motor</source>
        <translation>Moteur</translation>
    </message>
    <message>
        <source>Sense</source>
        <translation>Capteur</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Bascule</translation>
    </message>
    <message>
        <source>Bracket</source>
        <translation>Crochet</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Effacer l&apos;entrée</translation>
    </message>
    <message>
        <source>Clear memory</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Partez</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>crochet ouvrant</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>crochet fermant</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Close bracket</source>
        <translation>Crochet fermant</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Clavier du robot</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Go List</source>
        <translation>Liste Go</translation>
    </message>
    <message>
        <source>Procedures</source>
        <translation>Procédures</translation>
    </message>
    <message>
        <source>Working area</source>
        <translation>Zone de travail</translation>
    </message>
    <message>
        <source>The robot is %1 steps from the left and %2 steps from the top, facing %3 degrees.</source>
        <translation>Le robot est à %1 pas du bord gauche et à %2 pas du haut, tourné vers %3 degrés.</translation>
    </message>
    <message>
        <source>Its pen is down.</source>
        <translation>Son crayon est baissé.</translation>
    </message>
    <message>
        <source>Its pen is up.</source>
        <translation>Son crayon est levé.</translation>
    </message>
    <message>
        <source>Background: %1.</source>
        <translation>Fond : %1.</translation>
    </message>
    <message>
        <source>Stamps: %1.</source>
        <translation>Tampons : %1.</translation>
    </message>
    <message>
        <source>Texts: %1.</source>
        <translation>Textes : %1.</translation>
    </message>
    <message>
        <source>Pictures</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Text &quot;%1&quot;, %2 steps from the left and %3 steps from the top.</source>
        <translation>Texte « %1 », à %2 pas de la gauche et %3 pas du haut.</translation>
    </message>
    <message>
        <source>Stamp %1, %2 steps from the left and %3 steps from the top.</source>
        <translation>Tampon %1, à %2 pas de la gauche et %3 pas du haut.</translation>
    </message>
    <message>
        <source>Arrows choose, Return applies, Escape cancels.</source>
        <translation>Les flèches choisissent, Entrée applique, Échap annule.</translation>
    </message>
    <message>
        <source>Nothing on the working area for this tool.</source>
        <translation>Rien sur la zone de travail pour cet outil.</translation>
    </message>
</context>
<context>
    <name>Tooltips</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Show the Procedure window under or beside the Go List</source>
        <translation>Placer la fenêtre Procédures sous la liste Go ou à côté</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurer</translation>
    </message>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
</context>
<context>
    <name>zf::ui::AbortDialog</name>
    <message>
        <source>Zarnikfield - Printing</source>
        <translation>Zarnikfield - Impression</translation>
    </message>
    <message>
        <source>Zarnikfield is printing...</source>
        <translation>Zarnikfield imprime...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zf::ui::AboutBox</name>
    <message>
        <source>About Zarnikfield</source>
        <translation>À propos de Zarnikfield</translation>
    </message>
    <message>
        <source>A programming environment for the Floor Zarnik floor robot: key a Go Program on the robot&apos;s own keypad, watch it run on the working area, then send it to the robot down its lead.</source>
        <translation>Un environnement de programmation pour le robot de sol Floor Zarnik&#xa0;: tapez un programme Go sur le clavier du robot, regardez-le s&apos;exécuter sur la zone de travail, puis envoyez-le au robot par son câble.</translation>
    </message>
    <message>
        <source>Zarnikfield is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version. It is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE.</source>
        <translation>Zarnikfield est un logiciel libre&#xa0;: vous pouvez le redistribuer et/ou le modifier selon les termes de la Licence publique générale GNU telle que publiée par la Free Software Foundation, soit la version 3 de la licence, soit (à votre choix) toute version ultérieure. Il est distribué dans l&apos;espoir qu&apos;il sera utile, mais SANS AUCUNE GARANTIE&#xa0;; sans même la garantie implicite de QUALITÉ MARCHANDE ou d&apos;ADÉQUATION À UN USAGE PARTICULIER.</translation>
    </message>
    <message>
        <source>GNU General Public License, version 3</source>
        <translation>Licence publique générale GNU, version 3</translation>
    </message>
    <message>
        <source>This program uses the Qt libraries, version %1, under the GNU Lesser General Public License version 3. They are linked dynamically: you may replace them with your own build of Qt.</source>
        <translation>Ce programme utilise les bibliothèques Qt, version %1, sous la Licence publique générale limitée GNU version 3. Elles sont liées dynamiquement&#xa0;: vous pouvez les remplacer par votre propre version de Qt.</translation>
    </message>
    <message>
        <source>GNU Lesser General Public License, version 3</source>
        <translation>Licence publique générale limitée GNU, version 3</translation>
    </message>
    <message>
        <source>The Qt libraries and their sources</source>
        <translation>Les bibliothèques Qt et leurs sources</translation>
    </message>
</context>
<context>
    <name>zf::ui::ActivityLauncher</name>
    <message>
        <source>Zarnikfield Activities</source>
        <translation>Activités Zarnikfield</translation>
    </message>
    <message>
        <source>Choose an activity</source>
        <translation>Choisissez une activité</translation>
    </message>
    <message>
        <source>Click a picture to open its project in Zarnikfield. The help&apos;s Activity books describe what to do with each one.</source>
        <translation>Cliquez sur une image pour ouvrir son projet dans Zarnikfield. Les livres d&apos;activités de l&apos;aide expliquent quoi faire avec chacune.</translation>
    </message>
    <message>
        <source>There are no activities in %1.</source>
        <translation>Il n&apos;y a aucune activité dans %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Zarnikfield could not be started:
%1</source>
        <translation>Zarnikfield n&apos;a pas pu démarrer&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>zf::ui::BackgroundDialog</name>
    <message>
        <source>Load or Create Background</source>
        <translation>Charger ou créer un fond</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>C&amp;reate</source>
        <translation>C&amp;réer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
</context>
<context>
    <name>zf::ui::DesktopUi</name>
    <message>
        <source>Zarnikfield - Procedure</source>
        <translation>Zarnikfield - Procédure</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
</context>
<context>
    <name>zf::ui::EnterTextDialog</name>
    <message>
        <source>&amp;Type your text here:</source>
        <translation>&amp;Tapez votre texte ici&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Font...</source>
        <translation>&amp;Police...</translation>
    </message>
    <message>
        <source>C&amp;olour...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>The text will be this big:</source>
        <translation>Le texte sera grand comme ceci&#xa0;:</translation>
    </message>
    <message>
        <source>The Zarnik
is this big:</source>
        <translation>Le Zarnik
est grand comme ceci&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Place Text...</source>
        <translation>P&amp;lacer le texte...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>zf::ui::FileListDialog</name>
    <message>
        <source>&amp;Choose a file from the list:</source>
        <translation>&amp;Choisissez un fichier dans la liste&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>GO Program</source>
        <translation>Programme GO</translation>
    </message>
</context>
<context>
    <name>zf::ui::HeadingDialog</name>
    <message>
        <source>Set Zarnik Heading</source>
        <translation>Régler le cap du Zarnik</translation>
    </message>
    <message>
        <source>&amp;Clockwise:</source>
        <translation>Sens &amp;horaire&#xa0;:</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>&amp;Anticlockwise:</source>
        <translation>Sens &amp;antihoraire&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>A&amp;perçu</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpCommands</name>
    <message>
        <source>The help book %1 cannot be found in %2.</source>
        <translation>Le livre d&apos;aide %1 est introuvable dans %2.</translation>
    </message>
</context>
<context>
    <name>zf::ui::HelpViewer</name>
    <message>
        <source>Zarnikfield Help</source>
        <translation>Aide de Zarnikfield</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>Page &amp;précédente</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>Page su&amp;ivante</translation>
    </message>
    <message>
        <source> Find in page: </source>
        <translation> Rechercher dans la page&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Next</source>
        <translation>Suiva&amp;nt</translation>
    </message>
    <message>
        <source>&amp;Previous</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>%1 - Zarnikfield Help</source>
        <translation>%1 - Aide de Zarnikfield</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not on this page.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas sur cette page.</translation>
    </message>
</context>
<context>
    <name>zf::ui::MainWindow</name>
    <message>
        <source>Sending the Go Program to the Floor Zarnik...</source>
        <translation>Envoi du programme Go au Floor Zarnik...</translation>
    </message>
    <message>
        <source>Getting the Go Program from the Floor Zarnik...</source>
        <translation>Récupération du programme Go depuis le Floor Zarnik...</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionDialog</name>
    <message>
        <source>Set Zarnik Position</source>
        <translation>Régler la position du Zarnik</translation>
    </message>
    <message>
        <source>Steps from the centre of the working area:</source>
        <translation>Pas depuis le centre de la zone de travail&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>En &amp;haut</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>À &amp;gauche</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>À &amp;droite</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>En &amp;bas</translation>
    </message>
</context>
<context>
    <name>zf::ui::PositionTextDialog</name>
    <message>
        <source>Position Text</source>
        <translation>Placer le texte</translation>
    </message>
    <message>
        <source>Drag this symbol to where you want to place the text.</source>
        <translation>Faites glisser ce symbole là où vous voulez placer le texte.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Or move the mark with the arrow keys and press Return.</source>
        <translation>Ou déplace la marque avec les flèches et appuie sur Entrée.</translation>
    </message>
</context>
<context>
    <name>zf::ui::ProjectorMode</name>
    <message>
        <source>F&amp;ull Screen</source>
        <translation>Plein é&amp;cran</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
</context>
<context>
    <name>zf::ui::SizeDialog</name>
    <message>
        <source>Set Size of Working Area</source>
        <translation>Régler la taille de la zone de travail</translation>
    </message>
    <message>
        <source>Size of the working area in Zarnik steps:</source>
        <translation>Taille de la zone de travail en pas du Zarnik&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>steps</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
</context>
<context>
    <name>zf::ui::TextPositionDialog</name>
    <message>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>En haut</translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>En haut à droite</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Bottom Left</source>
        <translation>En bas à gauche</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>En bas</translation>
    </message>
    <message>
        <source>Bottom Right</source>
        <translation>En bas à droite</translation>
    </message>
    <message>
        <source>Text Position</source>
        <translation>Position du texte</translation>
    </message>
    <message>
        <source>Place text at &amp;Zarnik position</source>
        <translation>Placer le texte à la position du &amp;Zarnik</translation>
    </message>
    <message>
        <source>Place text &amp;near Zarnik</source>
        <translation>Placer le texte &amp;près du Zarnik</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zf::ui::ToolDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>zf::ui::WorkingAreaCommands</name>
    <message>
        <source>Include the &amp;Zarnik</source>
        <translation>Inclure le &amp;Zarnik</translation>
    </message>
    <message>
        <source>Bitmaps</source>
        <translation>Images bitmap</translation>
    </message>
    <message>
        <source>PNG pictures</source>
        <translation>Images PNG</translation>
    </message>
</context>
<context>
    <name>zfield</name>
    <message>
        <source>an empty file name was given for %s</source>
        <translation>un nom de fichier vide a été donné pour %s</translation>
    </message>
    <message>
        <source>cannot write %s (nothing was changed)</source>
        <translation>impossible d&apos;écrire %s (rien n&apos;a été changé)</translation>
    </message>
    <message>
        <source>the converted file would not open again: %s</source>
        <translation>le fichier converti ne pourrait pas être rouvert : %s</translation>
    </message>
    <message>
        <source>IN and OUT are needed</source>
        <translation>IN et OUT sont nécessaires</translation>
    </message>
    <message>
        <source>bad argument &apos;%s&apos;</source>
        <translation>argument incorrect « %s »</translation>
    </message>
    <message>
        <source>where to? (zfield get -o FILE.gop)</source>
        <translation>où enregistrer ? (zfield get -o FILE.gop)</translation>
    </message>
    <message>
        <source>--answer takes yes, no, cancel or edit</source>
        <translation>--answer prend yes, no, cancel ou edit</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%s&apos;</source>
        <translation>argument inattendu « %s »</translation>
    </message>
    <message>
        <source>zfield: there is no language &apos;%s&apos; here; English is used (languages: %s)</source>
        <translation>zfield : la langue « %s » n&apos;est pas disponible ici ; l&apos;anglais est utilisé (langues : %s)</translation>
    </message>
    <message>
        <source>--icon-size takes 5 to 50</source>
        <translation>--icon-size prend une valeur de 5 à 50</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.png are needed</source>
        <translation>FILE.gop et -o OUT.png sont nécessaires</translation>
    </message>
    <message>
        <source>a list of %d lines is too long for one picture (%d lines at --icon-size %d); try a smaller --icon-size</source>
        <translation>une liste de %d lignes est trop longue pour une seule image (%d lignes avec --icon-size %d) ; essayez un --icon-size plus petit</translation>
    </message>
    <message>
        <source>the listing would be %dx%d pixels, more than a picture may hold (%d); try a smaller --icon-size</source>
        <translation>la liste ferait %dx%d pixels, plus qu&apos;une image ne peut en contenir (%d) ; essayez un --icon-size plus petit</translation>
    </message>
    <message>
        <source>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Keys SEQUENCE into a fresh Go Program and prints the messages shown,
      the GO list, the PROC list and the memory units left; -o saves it.</source>
        <translation>keys &quot;SEQUENCE&quot; [--answer yes|no|edit]... [--check] [-o FILE.gop]
      Tape SEQUENCE dans un nouveau programme Go et affiche les messages
      montrés, la liste GO, la liste PROC et les unités de mémoire restantes ;
      -o l&apos;enregistre.</translation>
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
      Tape SEQUENCE (ou ouvre FILE.gop) et l&apos;exécute comme GO depuis le centre
      d&apos;une zone de travail de W x H pas (10 x 10), cap 0, avec le crayon noir
      fin comme dans Zarnikfield, ou sur la zone de travail et l&apos;état de
      départ du projet P ; affiche les messages montrés, le robot (mm et
      degrés), la trace du crayon et le nombre d&apos;objets ;
      -o dessine la zone de travail dans WxH pixels (1000x1000), avec le robot
      là où il s&apos;est arrêté. W et H vont de 1 à 99 pas ; --limit N arrête une
      exécution qui n&apos;est pas finie après N instructions. Code de sortie 1
      quand l&apos;exécution n&apos;a pas pu démarrer, a été arrêtée avant la fin ou a
      atteint la limite.</translation>
    </message>
    <message>
        <source>listing FILE.gop -o OUT.png [--icon-size N]
      Draws the GO list and the PROC list as their windows show them, with
      key pictures N pixels high (5 to 50, 30 by default).</source>
        <translation>listing FILE.gop -o OUT.png [--icon-size N]
      Dessine la liste GO et la liste PROC comme leurs fenêtres les montrent,
      avec des images de touches de N pixels de haut (5 à 50, 30 par défaut).</translation>
    </message>
    <message>
        <source>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Prints to a PDF file (A4) the pages Print Go Program prints: the GO
      list, then the PROC list, 55 - N lines a page (N the listing size, 30
      by default); --working-area prints the working area instead, after
      running FILE.gop on a fresh 10 x 10-step one or on that of project P.</source>
        <translation>print FILE.gop -o OUT.pdf [--icon-size N] [--working-area [--project P.zfp]]
      Imprime dans un fichier PDF (A4) les pages d&apos;Imprimer le programme Go :
      la liste GO, puis la liste PROC, 55 - N lignes par page (N la taille de
      la liste, 30 par défaut) ; --working-area imprime plutôt la zone de
      travail, après avoir exécuté FILE.gop sur une nouvelle zone de 10 x 10
      pas ou sur celle du projet P.</translation>
    </message>
    <message>
        <source>send FILE.gop [--port N | --device PATH] [--trace]
      Sends the Go Program to the Floor Zarnik as Send GO Program does, on
      port N (1..4, else the com port of zfield.ini) or the terminal device
      PATH; prints the messages shown; --trace prints the port&apos;s trace lines.</source>
        <translation>send FILE.gop [--port N | --device PATH] [--trace]
      Envoie le programme Go au Floor Zarnik comme Envoyer le programme GO,
      sur le port N (1..4, sinon le port COM de zfield.ini) ou le terminal
      PATH ; affiche les messages montrés ; --trace affiche le suivi du port.</translation>
    </message>
    <message>
        <source>get [--port N | --device PATH] [--trace] -o FILE.gop
      Reads the Go Program held by the Floor Zarnik as Get GO Program does,
      saves it to FILE.gop and prints the messages shown and its lists.</source>
        <translation>get [--port N | --device PATH] [--trace] -o FILE.gop
      Lit le programme Go du Floor Zarnik comme Récupérer le programme GO,
      l&apos;enregistre dans FILE.gop et affiche les messages montrés et ses
      listes.</translation>
    </message>
    <message>
        <source>show FILE
      Prints a Go Program as keys prints its lists, or a project (any form)
      as its settings, its trail points and its objects, one a line.</source>
        <translation>show FILE
      Affiche un programme Go comme keys affiche ses listes, ou un projet (de
      toute forme) : ses réglages, les points de sa trace et ses objets, un
      par ligne.</translation>
    </message>
    <message>
        <source>convert IN OUT
      Reads a Go Program or a project of any version and writes it as 2.0.</source>
        <translation>convert IN OUT
      Lit un programme Go ou un projet de n&apos;importe quelle version et l&apos;écrit
      en version 2.0.</translation>
    </message>
    <message>
        <source>Messages the program shows go to standard error, results to standard output.
Exit status: 0 when the command did all that was asked, 1 when it could not
(a message says why), 2 for a wrong command line. Relative paths are taken
from the current directory; files are replaced whole or not at all.
The messages speak the language LANGUAGE, LC_ALL, LC_MESSAGES or LANG names,
or the one --lang CODE names (en, or a translation installed with zfield).
</source>
        <translation>Les messages du programme vont sur la sortie d&apos;erreur, les résultats sur la
sortie standard. Code de sortie : 0 quand la commande a fait tout ce qui était
demandé, 1 quand elle n&apos;a pas pu (un message dit pourquoi), 2 pour une ligne
de commande incorrecte. Les chemins relatifs partent du dossier courant ; les
fichiers sont remplacés en entier ou pas du tout.
Les messages sont dans la langue que nomment LANGUAGE, LC_ALL, LC_MESSAGES ou
LANG, ou celle que nomme --lang CODE (en, ou une traduction installée avec
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
        <translation>Écriture des suites de touches (mots séparés par des espaces, majuscules ou
minuscules) :
  FD BK LT RT        les quatre touches flèches, aussi FORWARD BACK LEFT RIGHT
  RPT P Q W M S T    aussi REPEAT PROCEDURE QUAVER WAIT MOTOR SENSE TOGGLE
  [ ]                la touche crochet
  0..9               touches chiffres ; un mot de plusieurs chiffres les tape
                     l&apos;un après l&apos;autre
  CE CM GO           effacer l&apos;entrée, effacer la mémoire (confirmé), go
  POS(x,y) HEAD(h)   commandes graphiques : position en pas depuis le centre,
                     cap
  SHAPE(name) STAMP(name) PEN(name)
  PENUP FLIP FLIPSTAMP TEXT(&quot;text&quot;) TEXT(&quot;text&quot;,mode)
Les listes utilisent les mêmes mots, une instruction par ligne : RPT 4 [,
FD 2 5, ], P 3 [.
Dans un texte entre guillemets, \&quot; est un guillemet, \\ une barre oblique
inverse et \n un saut de ligne.
</translation>
    </message>
    <message>
        <source>zfield %s - the Zarnikfield command-line companion</source>
        <translation>zfield %s - le compagnon en ligne de commande de Zarnikfield</translation>
    </message>
    <message>
        <source>Usage: zfield [--lang CODE] COMMAND [ARGS]
       zfield --help | --version

Commands:</source>
        <translation>Utilisation : zfield [--lang CODE] COMMAND [ARGS]
              zfield --help | --version

Commandes :</translation>
    </message>
    <message>
        <source>zfield: unknown command &apos;%s&apos; (see zfield --help)</source>
        <translation>zfield : commande inconnue « %s » (voir zfield --help)</translation>
    </message>
    <message>
        <source>--size takes WxH in pixels, each at most %d and at most %d pixels in all</source>
        <translation>--size prend WxH en pixels, chacun au plus %d et au plus %d pixels en tout</translation>
    </message>
    <message>
        <source>--size goes with -o OUT.png</source>
        <translation>--size va avec -o OUT.png</translation>
    </message>
    <message>
        <source>cannot make the picture for %s</source>
        <translation>impossible de faire l&apos;image de %s</translation>
    </message>
    <message>
        <source>the working area does not fit in %dx%d pixels</source>
        <translation>la zone de travail ne tient pas dans %dx%d pixels</translation>
    </message>
    <message>
        <source>this build draws no pictures (it was built without Qt)</source>
        <translation>cette version ne dessine pas d&apos;images (elle a été construite sans Qt)</translation>
    </message>
    <message>
        <source>--project needs a file name</source>
        <translation>--project demande un nom de fichier</translation>
    </message>
    <message>
        <source>FILE.gop and -o OUT.pdf are needed</source>
        <translation>FILE.gop et -o OUT.pdf sont nécessaires</translation>
    </message>
    <message>
        <source>--project goes with --working-area</source>
        <translation>--project va avec --working-area</translation>
    </message>
    <message>
        <source>%s has nothing to print</source>
        <translation>%s n&apos;a rien à imprimer</translation>
    </message>
    <message>
        <source>opening your changed copy %s</source>
        <translation>ouverture de votre copie modifiée %s</translation>
    </message>
    <message>
        <source>--floor takes W,H in steps, each 1 to 99</source>
        <translation>--floor prend W,H en pas, chacun de 1 à 99</translation>
    </message>
    <message>
        <source>--limit takes a number of instructions, 1 or more</source>
        <translation>--limit prend un nombre d&apos;instructions, 1 ou plus</translation>
    </message>
    <message>
        <source>a program is needed (--keys &quot;SEQUENCE&quot; or FILE.gop)</source>
        <translation>il faut un programme (--keys &quot;SEQUENCE&quot; ou FILE.gop)</translation>
    </message>
    <message>
        <source>the Go Program could not start</source>
        <translation>le programme Go n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>stopped after %d instructions (--limit %d)</source>
        <translation>arrêté après %d instructions (--limit %d)</translation>
    </message>
    <message>
        <source>the run was ended early</source>
        <translation>l&apos;exécution a été arrêtée avant la fin</translation>
    </message>
    <message>
        <source>bad option &apos;%s&apos;</source>
        <translation>option incorrecte « %s »</translation>
    </message>
    <message>
        <source>which Go Program? (zfield send FILE.gop)</source>
        <translation>quel programme Go ? (zfield send FILE.gop)</translation>
    </message>
    <message>
        <source>one file is needed</source>
        <translation>il faut un fichier</translation>
    </message>
</context>
</TS>
