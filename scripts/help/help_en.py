EN = dict(
    help_title="Vellumar 4 – User guide",
    help_subtitle="Build e-learning courses page by page and publish them for a learning platform or the web browser.",
    faq_title="Frequently asked questions",
    faq_subtitle="Short answers to the questions authors ask most often.",
    keys="Keys", command="Command", shortcuts_title="Vellumar 4 – keyboard shortcuts",
    sections=[
        ("start", "Getting started", """
<p>A course is a tree of pages. On disk it is a course file (<code>name.vlmproject</code>) with a folder of the same name beside it, which holds the pages, the media files and the lexicon. Keep the file and the folder together when you copy a course.</p>
<h3>Create a course</h3>
<ol><li>Choose <b>File › New course</b> (<kbd>Ctrl+N</kbd>).</li>
<li>Pick a template: an <i>empty course</i>, a <i>short course with a quiz</i> or a <i>course in chapters</i>, and click OK.</li>
<li>Choose where to save the course file. The course settings open: enter the title, the version and a short description.</li></ol>
<p>Vellumar saves the course tree and the settings automatically after every change; <b>File › Save course</b> (<kbd>Ctrl+S</kbd>) saves on demand, <b>Save course as</b> makes a copy under a new name.</p>"""),
        ("tree", "The course tree", """
<p>The panel on the left shows the course. The top node is the course itself; double-click it to edit the course settings. Every other node is a page; a page with pages below it works as a chapter.</p>
<ul><li><b>Add</b> a sub-page to the selected node (on the course node: a page at the top level) with <kbd>Shift+Ins</kbd>, <b>rename</b> it with <kbd>F2</kbd>, <b>delete</b> it with <kbd>Shift+Del</kbd>.</li>
<li><b>Move</b> a page with <kbd>Shift</kbd> and the arrow keys: up and down within its chapter, left and right to move it out of a chapter or into the page above it.</li>
<li>A new page has no content yet. Choose what it holds: a <b>Vellumar page</b> that you design, an <b>internet address</b>, an <b>external document</b>, or <b>import</b> a page from another course (its media come along).</li></ul>"""),
        ("designer", "Designing a page", """
<p>A Vellumar page opens in the designer. The palette above the page lists the components: text, picture, button, questions (choice, typed answer, slider, lists), drag-and-drop, pop-up window, shapes, sound, video, timer and HTML documents.</p>
<ul><li>Click a component in the palette, then click on the page where it should go. Click the arrow button to go back to selecting.</li>
<li>Drag an element to move it and drag its edges to resize it; <kbd>Shift</kbd> with the arrow keys moves it pixel by pixel. With <b>View › Snap to grid</b> elements align to the grid (<b>View › Grid settings</b> sets its spacing and colour).</li>
<li>Elements lie on top of each other in the order they were placed: <kbd>Ctrl+PgUp</kbd> brings the selected one to the front, <kbd>Ctrl+PgDn</kbd> sends it to the back.</li>
<li><kbd>Ctrl+X</kbd>, <kbd>Ctrl+C</kbd> and <kbd>Ctrl+V</kbd> cut, copy and paste elements, also between pages and courses. <kbd>Del</kbd> deletes the selected element.</li>
<li><kbd>F5</kbd> shows the page as the learner will see it.</li></ul>"""),
        ("properties", "Properties and actions", """
<p>Double-click an element, or press <kbd>Ctrl+Shift+W</kbd>, to edit its properties in the component's own window: the text, the picture, the answers and which of them are correct. Some components also have <b>advanced properties</b> (<kbd>Ctrl+Shift+Z</kbd>). <kbd>Shift+Ctrl</kbd>+click shows a table of all properties.</p>
<h3>Actions</h3>
<p>Actions make a page interactive. Open <b>Edit › Actions</b> (<kbd>Ctrl+Shift+A</kbd>) and build a sentence: <i>when</i> this happens (for example a click), <i>then in the object</i> (this element, another element or the page) <i>run the action</i> (show, hide, play, check the answers, go to the next page, jump to a page ...). Click <b>Add event</b>; an action that needs a parameter asks for it. Several actions of one event run in the listed order.</p>
<h3>Page properties</h3>
<p>The page's own properties (<kbd>Ctrl+Shift+Alt+I</kbd>) set its name, height and background colour. Make a page an <b>exercise</b> to score its questions: set the number of attempts, the points needed to pass and whether answer feedback is shown. On the tab <i>Pages with further information</i> you can link the page to other pages of the course or to internet addresses.</p>"""),
        ("resources", "Resources", """
<p>Pictures, sounds, videos, Flash movies and HTML documents used by a course are its <b>resources</b>; they live in the course folder. The resource manager (<kbd>Ctrl+R</kbd>) lists them by kind and previews them. <b>Add a new file to the resources</b> copies a file from your disk into the course; names are simplified (no spaces or national letters), and a file of the same name is never overwritten without asking you for a new name.</p>"""),
        ("lexicon", "Lexicon", """
<p>The lexicon (<kbd>Ctrl+L</kbd>) is the course glossary. Add a keyword, type its definition and tick <b>Include the lexicon in previews and exports</b>. Occurrences of the keywords on the pages become links that open the definition.</p>"""),
        ("templates", "Templates", """
<p>When you open a new page for design, Vellumar offers <b>page templates</b> grouped into tabs: basic layouts (title page, text with picture, two columns, text with pop-up, summary), multimedia and exercises (single and multiple choice, typed answer, drag and drop). Tick <b>Preview</b> to see a template before you choose it.</p>
<p><b>File › Save as page template</b> (<kbd>Ctrl+T</kbd>) keeps a page you designed as a new template, either for the current course only or, with a group name, for all your courses.</p>"""),
        ("export", "Exporting", """
<p><b>File › Export</b> publishes the course. Every export writes finished HTML pages with their scripts and media:</p>
<table><tr><th>Target</th><th>Use it for</th></tr>
<tr><td>SCORM 1.2 package</td><td>a zip file for a learning management system (LMS); scores and progress are reported to the platform.</td></tr>
<tr><td>AICC course</td><td>a folder with the AICC course structure files for platforms that import AICC.</td></tr>
<tr><td>Course for offline viewing</td><td>a folder with a navigation tree that opens in any web browser, for example from a disc.</td></tr>
<tr><td>Package or exam for VLMServer</td><td>zip packages for the VLMServer platform; the exam variant leaves the correct answers out of the pages so that the platform grades the test.</td></tr>
<tr><td>Course storyboard (RTF)</td><td>a document with a screenshot and the texts of every page, for review and sign-off.</td></tr>
<tr><td>Media files</td><td>copies the course's sound and video files into a folder.</td></tr></table>
<p class="note">The export wizards remember your last choices. The design template chosen in the wizard sets the look of the navigation around the pages.</p>"""),
        ("keys", "Keyboard shortcuts", "SHORTCUTS"),
    ],
    faq=[
        ("Where is my course stored?", "<p>In the course file you chose and in the folder of the same name beside it. Copy both when you move or back up a course.</p>"),
        ("Do I have to save all the time?", "<p>No. Changes to the course tree and settings are saved at once, and a page is saved when you leave it or preview it. <kbd>Ctrl+S</kbd> saves on demand.</p>"),
        ("How do I make a test that is scored?", "<p>Open the page properties, choose the type <i>Exercise</i> and set the points needed to pass. Mark the correct answers in each question's properties and add a button whose click runs the page action <i>Check</i>. The page templates on the <i>Exercises</i> tab are ready to use.</p>"),
        ("Why does my picture not appear after export?", "<p>Add pictures through the resource manager so that they are copied into the course folder. Files referred to from elsewhere on your disk are not part of the course.</p>"),
        ("Which video formats can I use?", "<p>MP4 (H.264) plays in every current browser; WebM and Ogg are accepted as well. You can give a second file in another format as a fallback.</p>"),
        ("The learning platform does not record results. What can I check?", "<p>Use the SCORM 1.2 package for platforms that speak SCORM. Make sure the pages with questions are exercise pages and that answers are checked by an action. Results are remembered only when the course runs on a platform.</p>"),
        ("Can I reuse a page in another course?", "<p>Yes: copy its elements with <kbd>Ctrl+C</kbd> and paste them into a page of the other course, import the page through the course tree, or save the page as a template for all courses.</p>"),
        ("How do I change the interface language?", "<p>The language is set in the file <code>configuration/config.ini</code> (key <code>lang</code>: PL, EN, DE or FR). It takes effect at the next start.</p>"),
    ],
)
