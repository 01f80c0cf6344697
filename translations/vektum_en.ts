<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>AboutWindow</name>
    <message>
        <source>О программе ВЕКТУМ-W</source>
        <translation>About VEKTUM-W</translation>
    </message>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation>VEKTUM-W</translation>
    </message>
    <message>
        <source>Версия %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Обучающая система по статике</source>
        <translation>A tutor for statics</translation>
    </message>
    <message>
        <source>Свободная программа, лицензия MIT</source>
        <translation>Free software under the MIT licence</translation>
    </message>
    <message>
        <source>Работает на Qt %1</source>
        <translation>Runs on Qt %1</translation>
    </message>
    <message>
        <source>Идентификатор программы: %1</source>
        <translation>Program id: %1</translation>
    </message>
    <message>
        <source>Закрыть</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Версия программы %1</source>
        <translation>Program version %1</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: %2
Список параметров: %1 --help
</source>
        <translation>%1: %2
List of options: %1 --help
</translation>
    </message>
    <message>
        <source>ВЕКТУМ-W, версия %1
</source>
        <translation>VEKTUM-W, version %1
</translation>
    </message>
    <message>
        <source>неизвестный параметр «%1»</source>
        <translation>unknown option &quot;%1&quot;</translation>
    </message>
    <message>
        <source>у параметра «%1» нет значения</source>
        <translation>option &quot;%1&quot; has no value</translation>
    </message>
    <message>
        <source>неверная командная строка</source>
        <translation>invalid command line</translation>
    </message>
    <message>
        <source>неизвестный язык «%1»: допустимы ru и en</source>
        <translation>unknown language &quot;%1&quot;: use ru or en</translation>
    </message>
    <message>
        <source>лишний аргумент «%1»: программа не открывает файлов</source>
        <translation>unexpected argument &quot;%1&quot;: the program opens no files</translation>
    </message>
    <message>
        <source>Использование: %1 [параметры]
ВЕКТУМ-W — обучающая система по статике.

Параметры:
  -h, --help       показать эту справку и выйти
  -v, --version    показать версию программы и выйти
  --lang &lt;язык&gt;    язык текстов: ru (русский) или en (английский)
  --check &lt;файлы&gt;  проверить файлы задач, сообщить об ошибках и выйти

Принимаются и стандартные параметры Qt, например -platform &lt;имя&gt;,
-style &lt;стиль&gt;, -reverse.
</source>
        <translation>Usage: %1 [options]
VEKTUM-W is a tutor for statics.

Options:
  -h, --help       show this help and exit
  -v, --version    show the version of the program and exit
  --lang &lt;lang&gt;    language of the texts: ru (Russian) or en (English)
  --check &lt;files&gt;  check problem files, report the faults and exit

Qt&apos;s standard options are accepted too, for example -platform &lt;name&gt;,
-style &lt;style&gt;, -reverse.
</translation>
    </message>
    <message>
        <source>у параметра «--check» нет файлов</source>
        <translation>option &quot;--check&quot; has no files</translation>
    </message>
</context>
<context>
    <name>Dialogue</name>
    <message>
        <source>Ваш ответ, коллега:</source>
        <translation>Your answer, colleague:</translation>
    </message>
    <message>
        <source>Совершенно правильно.</source>
        <translation>Quite right.</translation>
    </message>
    <message>
        <source>Это то, что нужно !</source>
        <translation>That is just what is needed!</translation>
    </message>
    <message>
        <source>Коллега, я полностью с Вами согласен !</source>
        <translation>Colleague, I fully agree with you!</translation>
    </message>
    <message>
        <source>Коллега, вы снова абсолютно правы !</source>
        <translation>Colleague, you are right again!</translation>
    </message>
    <message>
        <source>Молодец! Так держать.</source>
        <translation>Well done! Keep it up.</translation>
    </message>
    <message>
        <source>Хочу Вас поздравить! Именно это и требовалось.</source>
        <translation>Congratulations! That is exactly what was required.</translation>
    </message>
    <message>
        <source>Мне нравится ход ваших мыслей! Это то, что нужно.</source>
        <translation>I like the way you think! That is just what is needed.</translation>
    </message>
    <message>
        <source>К сожалению, вы ошибаетесь.</source>
        <translation>I am afraid you are mistaken.</translation>
    </message>
    <message>
        <source>Это никуда не годится !</source>
        <translation>That will not do at all!</translation>
    </message>
    <message>
        <source>Коллега, вы неправы !</source>
        <translation>Colleague, you are wrong!</translation>
    </message>
    <message>
        <source>Коллега, вы снова неправы !</source>
        <translation>Colleague, you are wrong again!</translation>
    </message>
    <message>
        <source>Вопрос: %1</source>
        <translation>Question: %1</translation>
    </message>
    <message>
        <source>Ошибка ввода данных.</source>
        <translation>Input error.</translation>
    </message>
</context>
<context>
    <name>ExerciseLayout</name>
    <message>
        <source>Схема задачи</source>
        <translation>Problem diagram</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Вопрос :</source>
        <translation>Question:</translation>
    </message>
    <message>
        <source>Вопрос</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation>Answer</translation>
    </message>
    <message>
        <source>Условие задачи: %1</source>
        <translation>Problem statement: %1</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Что не так с ответом; после трёх неверных ответов — правильный ответ (F2)</source>
        <translation>What is wrong with the answer; after three wrong answers, the right answer (F2)</translation>
    </message>
    <message>
        <source>Условие задачи (%1 — прочитать ещё раз)</source>
        <translation>Problem statement (%1 reads it again)</translation>
    </message>
    <message>
        <source>Клавиша %1 читает условие задачи.</source>
        <translation>The %1 key reads the problem statement.</translation>
    </message>
</context>
<context>
    <name>Hint</name>
    <message>
        <source>Ответ противоположен верному: «да» — это Y, «нет» — это N.</source>
        <translation>Your answer is the opposite of the right one: yes is Y, no is N.</translation>
    </message>
    <message>
        <source>Все знаки противоположны верным: проверьте, как направлены оси и силы.</source>
        <translation>Every sign is the opposite of the right one: check which way the axes and the forces point.</translation>
    </message>
    <message>
        <source>Неверен знак этого слагаемого:</source>
        <translation>The sign of this term is wrong:</translation>
    </message>
    <message>
        <source>Не хватает слагаемого:</source>
        <translation>A term is missing:</translation>
    </message>
    <message>
        <source>Лишнее слагаемое (оно записано дважды или уже учтено):</source>
        <translation>An extra term (written twice or already counted):</translation>
    </message>
    <message>
        <source>В этом слагаемом перепутаны синус и косинус (или тангенс и котангенс):</source>
        <translation>Sine and cosine (or tangent and cotangent) are swapped in this term:</translation>
    </message>
    <message>
        <source>В этом слагаемом неверен множитель (плечо силы или проекция):</source>
        <translation>This term has a wrong factor (the lever arm or the projection):</translation>
    </message>
    <message>
        <source>Число %1 не подходит. Проверьте ещё раз по схеме.</source>
        <translation>The number %1 is not right. Check it again against the scheme.</translation>
    </message>
    <message>
        <source>Ответ здесь — число. Посчитайте по схеме: у шарнира две составляющие реакции, у гладкой опоры и нити одна, у заделки две и момент; на тело — три уравнения.</source>
        <translation>The answer here is a number. Count on the scheme: a hinge gives two components of its reaction, a smooth support or a thread one, a built-in end two and a moment; each body gives three equations.</translation>
    </message>
    <message>
        <source>На этот вопрос отвечают буквой: Y — да, N — нет.</source>
        <translation>This question is answered with a letter: Y for yes, N for no.</translation>
    </message>
    <message>
        <source>Сумма проекций: возьмите каждую силу схемы, и реакции тоже. Проекция на ось равна силе, умноженной на косинус угла с осью; знак плюс, если сила смотрит по оси.</source>
        <translation>A sum of projections: take every force of the scheme, the reactions too. The projection on an axis is the force times the cosine of its angle with the axis; plus when the force points along the axis.</translation>
    </message>
    <message>
        <source>Сумма моментов: для каждой силы найдите плечо — расстояние от точки до линии её действия. Момент равен силе на плечо, плюс при повороте против часовой стрелки; пара входит своим моментом.</source>
        <translation>A sum of moments: for every force find its lever arm, the distance from the point to its line of action. The moment is the force times the arm, plus when it turns anticlockwise; a couple enters with its own moment.</translation>
    </message>
    <message>
        <source>Выражение для неизвестной: возьмите уравнения равновесия, в которые она входит, и выразите её через заданные величины.</source>
        <translation>An expression for an unknown: take the equilibrium equations it appears in and express it through the given quantities.</translation>
    </message>
    <message>
        <source>Правильный ответ (введите его, чтобы продолжить):</source>
        <translation>The right answer (type it to go on):</translation>
    </message>
    <message>
        <source>Нажмите «Подсказка» ещё раз, чтобы увидеть правильный ответ.</source>
        <translation>Press “Hint” once more to see the right answer.</translation>
    </message>
    <message>
        <source>Угол: найдите его на схеме, сложив или вычтя заданные углы и прямой угол (π/2). Греческая буква набирается клавишей F3 перед латинской: π — это F3 и p.</source>
        <translation>An angle: find it on the scheme by adding or subtracting the given angles and a right angle (π/2). A Greek letter is typed with F3 before its Latin letter: π is F3 then p.</translation>
    </message>
</context>
<context>
    <name>HintBox</name>
    <message>
        <source>Формула</source>
        <translation>Formula</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>информация о работе с системой (это окно)</source>
        <translation>how to work with the system (this window)</translation>
    </message>
    <message>
        <source>сведения о программе</source>
        <translation>about the program</translation>
    </message>
    <message>
        <source>к следующему, к предыдущему элементу окна</source>
        <translation>to the next, to the previous control of the window</translation>
    </message>
    <message>
        <source>Enter, Пробел</source>
        <translation>Enter, Space</translation>
    </message>
    <message>
        <source>нажать выделенную кнопку</source>
        <translation>press the focused button</translation>
    </message>
    <message>
        <source>следующая страница</source>
        <translation>next page</translation>
    </message>
    <message>
        <source>предыдущая страница</source>
        <translation>previous page</translation>
    </message>
    <message>
        <source>Стрелки на вкладке</source>
        <translation>Arrows on a tab</translation>
    </message>
    <message>
        <source>предыдущая или следующая вкладка</source>
        <translation>the tab before or after</translation>
    </message>
    <message>
        <source>Home, End на вкладке</source>
        <translation>Home, End on a tab</translation>
    </message>
    <message>
        <source>первая или последняя вкладка</source>
        <translation>the first or the last tab</translation>
    </message>
    <message>
        <source>закрыть окно</source>
        <translation>close the window</translation>
    </message>
    <message>
        <source>Стрелка вверх</source>
        <translation>Up arrow</translation>
    </message>
    <message>
        <source>в верхнюю позицию (показатель степени) или обратно из нижней</source>
        <translation>to the upper position (an exponent), or back from the lower one</translation>
    </message>
    <message>
        <source>Стрелка вниз</source>
        <translation>Down arrow</translation>
    </message>
    <message>
        <source>в нижнюю позицию (индекс) или обратно из верхней</source>
        <translation>to the lower position (an index), or back from the upper one</translation>
    </message>
    <message>
        <source>следующая буква будет греческой</source>
        <translation>the next letter is Greek</translation>
    </message>
    <message>
        <source>Стрелки влево, вправо</source>
        <translation>Left, Right arrows</translation>
    </message>
    <message>
        <source>курсор на знак назад, вперёд</source>
        <translation>caret one character back, forward</translation>
    </message>
    <message>
        <source>курсор в начало, в конец формулы</source>
        <translation>caret to the start, to the end of the formula</translation>
    </message>
    <message>
        <source>стереть знак слева, справа от курсора</source>
        <translation>delete the character before, after the caret</translation>
    </message>
    <message>
        <source>отменить последнюю правку</source>
        <translation>undo the last edit</translation>
    </message>
    <message>
        <source>вернуть отменённую правку</source>
        <translation>redo the undone edit</translation>
    </message>
    <message>
        <source>проверить ответ</source>
        <translation>check the answer</translation>
    </message>
    <message>
        <source>что не так с ответом, после трёх неверных ответов — правильный ответ (кроме входного теста)</source>
        <translation>what is wrong with the answer; after three wrong answers, the right answer (not in the entrance test)</translation>
    </message>
    <message>
        <source>прочитать вопрос ещё раз вслух (для экранного диктора)</source>
        <translation>read the question aloud again (for a screen reader)</translation>
    </message>
    <message>
        <source>прочитать условие задачи вслух (для экранного диктора)</source>
        <translation>read the problem statement aloud again (for a screen reader)</translation>
    </message>
    <message>
        <source>Цифры, минус, точка или запятая</source>
        <translation>Digits, minus, point or comma</translation>
    </message>
    <message>
        <source>ввод числа; другие знаки поле не принимает</source>
        <translation>type a number; the box takes no other characters</translation>
    </message>
    <message>
        <source>к следующему полю, после последнего к кнопке «Считать»</source>
        <translation>to the next box, after the last one to the Compute button</translation>
    </message>
    <message>
        <source>Во всех окнах</source>
        <translation>In every window</translation>
    </message>
    <message>
        <source>Окна со страницами (основные понятия, виды связей, эта справка)</source>
        <translation>Windows with pages (basic concepts, types of supports, this help)</translation>
    </message>
    <message>
        <source>Поле ответа в упражнениях</source>
        <translation>The answer box of the exercises</translation>
    </message>
    <message>
        <source>Решение системы уравнений</source>
        <translation>Solving a linear system</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation>VEKTUM-W</translation>
    </message>
    <message>
        <source>КОНТРОЛЕР</source>
        <translation>EXAMINER</translation>
    </message>
    <message>
        <source>Недостаточно памяти для выполнения операции.</source>
        <translation>Not enough memory to complete the operation.</translation>
    </message>
    <message>
        <source>Непредвиденная ошибка.</source>
        <translation>Unexpected error.</translation>
    </message>
    <message>
        <source>Ошибка: пустой параметр при обращении к таблице</source>
        <translation>Error: empty parameter in a table lookup</translation>
    </message>
    <message>
        <source>Ошибка: нет такой переменной &quot;%1&quot;</source>
        <translation>Error: no such variable &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ошибка: Деление на нуль</source>
        <translation>Error: Division by zero</translation>
    </message>
    <message>
        <source>Ошибка: нуль в аргументе логарифма</source>
        <translation>Error: zero in the argument of a logarithm</translation>
    </message>
    <message>
        <source>Ошибка: ноль в аргументе котангенса</source>
        <translation>Error: zero in the argument of a cotangent</translation>
    </message>
    <message>
        <source>Ошибка в записи формулы: пропущен операнд</source>
        <translation>Error in the formula: an operand is missing</translation>
    </message>
    <message>
        <source>Ошибка вычисления: недопустимая операция (неопределённое значение)</source>
        <translation>Calculation error: invalid operation (undefined value)</translation>
    </message>
    <message>
        <source>Ошибка вычисления: переполнение</source>
        <translation>Calculation error: overflow</translation>
    </message>
    <message>
        <source>Ошибка в записи формулы: формула слишком длинная</source>
        <translation>Error in the formula: the formula is too long</translation>
    </message>
    <message>
        <source>Ошибка в записи формулы: слишком глубокая вложенность скобок</source>
        <translation>Error in the formula: brackets are nested too deeply</translation>
    </message>
    <message>
        <source>Ошибка: &quot;%1&quot; не является числом</source>
        <translation>Error: &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>Ошибка: нехватает закрывающей скобки</source>
        <translation>Error: a closing bracket is missing</translation>
    </message>
    <message>
        <source>Ошибка: нехватает открывающей скобки</source>
        <translation>Error: an opening bracket is missing</translation>
    </message>
    <message>
        <source>Ошибка: число &quot;%1&quot; слишком велико</source>
        <translation>Error: the number &quot;%1&quot; is too large</translation>
    </message>
    <message>
        <source>Ошибка: Несчем сравнивать</source>
        <translation>Error: Nothing to compare with</translation>
    </message>
    <message>
        <source>Ошибка вычисления: значение не является числом</source>
        <translation>Calculation error: the value is not a number</translation>
    </message>
    <message>
        <source>Невозможно преобразовать строку &apos;%1&apos; в число.</source>
        <translation>Cannot convert the string &apos;%1&apos; to a number.</translation>
    </message>
    <message>
        <source>Неверное расставление скобок в позиции %1</source>
        <translation>Misplaced brackets at position %1</translation>
    </message>
    <message>
        <source>Пустая строка.</source>
        <translation>Empty string.</translation>
    </message>
    <message>
        <source>В показателе степени ( скобок больше, чем ).</source>
        <translation>The exponent has more ( brackets than ).</translation>
    </message>
    <message>
        <source>В показателе степени ) скобок больше, чем (.</source>
        <translation>The exponent has more ) brackets than (.</translation>
    </message>
    <message>
        <source>Возможно при выполнении операции возведения в степень произошло переполнение буфера.</source>
        <translation>Raising to a power may have overflowed the buffer.</translation>
    </message>
    <message>
        <source>Невозможно при выполнении операции возведения в степень произошло переполнение буфера.</source>
        <translation>Raising to a power overflowed the buffer.</translation>
    </message>
    <message>
        <source>Возможно при выполнении операции произведения произошло переполнение буфера.</source>
        <translation>Multiplication may have overflowed the buffer.</translation>
    </message>
    <message>
        <source>Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль.</source>
        <translation>Division may have overflowed the buffer or divided by zero.</translation>
    </message>
    <message>
        <source>Возможно при выполнении операции сложения произошло переполнение буфера.</source>
        <translation>Addition may have overflowed the buffer.</translation>
    </message>
    <message>
        <source>Возможно при выполнении операции вычитания произошло переполнение буфера.</source>
        <translation>Subtraction may have overflowed the buffer.</translation>
    </message>
    <message>
        <source>Отсутствует скобка ( в строке %1</source>
        <translation>Missing bracket ( in the string %1</translation>
    </message>
    <message>
        <source>Отсутствует скобка ) в строке %1</source>
        <translation>Missing bracket ) in the string %1</translation>
    </message>
    <message>
        <source>При вычислении котангенса произошло деление на 0.</source>
        <translation>Division by 0 while computing a cotangent.</translation>
    </message>
    <message>
        <source>При вычислении тангенса произошло деление на 0.</source>
        <translation>Division by 0 while computing a tangent.</translation>
    </message>
    <message>
        <source>При вычислении секанса произошло деление на 0.</source>
        <translation>Division by 0 while computing a secant.</translation>
    </message>
    <message>
        <source>При вычислении косеканса произошло деление на 0.</source>
        <translation>Division by 0 while computing a cosecant.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении гиперболического синуса.</source>
        <translation>Overflow while computing a hyperbolic sine.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении гиперболического косинуса.</source>
        <translation>Overflow while computing a hyperbolic cosine.</translation>
    </message>
    <message>
        <source>При вычислении гиперболического тангенса произошло деление на 0.</source>
        <translation>Division by 0 while computing a hyperbolic tangent.</translation>
    </message>
    <message>
        <source>При вычислении гиперболического котангенса произошло деление на 0.</source>
        <translation>Division by 0 while computing a hyperbolic cotangent.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении экспоненты.</source>
        <translation>Overflow while computing an exponential.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении квадрата числа.</source>
        <translation>Overflow while squaring a number.</translation>
    </message>
    <message>
        <source>Неизвестная функция %1</source>
        <translation>Unknown function %1</translation>
    </message>
    <message>
        <source>Аргумент для вычисления арксинуса, равный %1, должен лежать в интервале (-1;1).</source>
        <translation>The argument of the arcsine, %1, must lie in the interval (-1;1).</translation>
    </message>
    <message>
        <source>Аргумент  для вычисления арккосинуса, равный %1, должен лежать в интервале (-1;1).</source>
        <translation>The argument of the arccosine, %1, must lie in the interval (-1;1).</translation>
    </message>
    <message>
        <source>Аргумент  для вычисления натурального логарифма, равный %1, должен быть больше нуля.</source>
        <translation>The argument of the natural logarithm, %1, must be greater than zero.</translation>
    </message>
    <message>
        <source>Аргумент  для вычисления десятичного логарифма, равный %1, должен быть больше нуля.</source>
        <translation>The argument of the decimal logarithm, %1, must be greater than zero.</translation>
    </message>
    <message>
        <source>Квадратный корень из отрицательного числа %1.</source>
        <translation>Square root of the negative number %1.</translation>
    </message>
    <message>
        <source>Верхний индекс в позиции %1 не связан ни с одним выражением.</source>
        <translation>The superscript at position %1 belongs to no expression.</translation>
    </message>
    <message>
        <source>Нижний индекс в позиции %1 не связан ни с одним выражением.</source>
        <translation>The subscript at position %1 belongs to no expression.</translation>
    </message>
    <message>
        <source>Невозможно вычислить одно или оба выражения при сравнении (%1).</source>
        <translation>One or both expressions cannot be evaluated for the comparison (%1).</translation>
    </message>
    <message>
        <source>Модули упражнений не инициализированы</source>
        <translation>The exercise modules are not initialised</translation>
    </message>
    <message>
        <source>Переполнение при вычислении котангенса.</source>
        <translation>Overflow while computing a cotangent.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении тангенса.</source>
        <translation>Overflow while computing a tangent.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении секанса.</source>
        <translation>Overflow while computing a secant.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении косеканса.</source>
        <translation>Overflow while computing a cosecant.</translation>
    </message>
    <message>
        <source>Переполнение при вычислении гиперболического котангенса.</source>
        <translation>Overflow while computing a hyperbolic cotangent.</translation>
    </message>
</context>
<context>
    <name>ModeMenu</name>
    <message>
        <source>Пожалуйста, выберите интересующий Вас раздел</source>
        <translation>Please choose the section you are interested in</translation>
    </message>
    <message>
        <source>Верcия 1.0</source>
        <translation>Version 1.0</translation>
    </message>
    <message>
        <source>Верcия 1.0 </source>
        <translation>Version 1.0 </translation>
    </message>
    <message>
        <source>Обучающая система ВЕКТУМ-W</source>
        <translation>VEKTUM-W tutoring system</translation>
    </message>
    <message>
        <source>Обучающая система </source>
        <translation>Tutoring system </translation>
    </message>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation>VEKTUM-W</translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Схема</source>
        <translation>Diagram</translation>
    </message>
</context>
<context>
    <name>ProblemMessage</name>
    <message>
        <source>синтаксическая ошибка: %1</source>
        <translation>syntax error: %1</translation>
    </message>
    <message>
        <source>файл больше %1 байт</source>
        <translation>the file is larger than %1 bytes</translation>
    </message>
    <message>
        <source>файл «%1» не читается</source>
        <translation>the file &quot;%1&quot; cannot be read</translation>
    </message>
    <message>
        <source>неизвестный ключ «%1»</source>
        <translation>unknown key &quot;%1&quot;</translation>
    </message>
    <message>
        <source>нет ключа «%1»</source>
        <translation>the key &quot;%1&quot; is missing</translation>
    </message>
    <message>
        <source>ключ «%1»: ожидается %2</source>
        <translation>key &quot;%1&quot;: %2 expected</translation>
    </message>
    <message>
        <source>ключ «%1»: недопустимое значение «%2»</source>
        <translation>key &quot;%1&quot;: the value &quot;%2&quot; is not allowed</translation>
    </message>
    <message>
        <source>формат %1 не поддерживается: эта версия программы читает формат 1</source>
        <translation>format %1 is not supported: this version of the program reads format 1</translation>
    </message>
    <message>
        <source>ключ «%1»: больше %2 элементов</source>
        <translation>key &quot;%1&quot;: more than %2 elements</translation>
    </message>
    <message>
        <source>ключ «%1»: текст длиннее %2 байт</source>
        <translation>key &quot;%1&quot;: the text is longer than %2 bytes</translation>
    </message>
    <message>
        <source>ключ «%1»: нет текста на языке %2</source>
        <translation>key &quot;%1&quot;: no text in the language %2</translation>
    </message>
    <message>
        <source>переменная «%1» объявлена дважды</source>
        <translation>the variable &quot;%1&quot; is declared twice</translation>
    </message>
    <message>
        <source>ключ «%1»: значение вне пределов от %2 до %3</source>
        <translation>key &quot;%1&quot;: the value is outside %2 to %3</translation>
    </message>
    <message>
        <source>точка (%1, %2) лежит вне области рисунка %3 × %4</source>
        <translation>the point (%1, %2) lies outside the drawing area %3 × %4</translation>
    </message>
    <message>
        <source>этапа схемы %1 нет: этапов %2</source>
        <translation>there is no diagram stage %1: there are %2 stages</translation>
    </message>
    <message>
        <source>неизвестная «%1» не объявлена среди переменных</source>
        <translation>the unknown &quot;%1&quot; is not declared among the variables</translation>
    </message>
    <message>
        <source>шаг %1: «%2» не объявлена среди неизвестных</source>
        <translation>step %1: &quot;%2&quot; is not declared among the unknowns</translation>
    </message>
    <message>
        <source>шаг %1: переменная «%2» не определена</source>
        <translation>step %1: the variable &quot;%2&quot; is not defined</translation>
    </message>
    <message>
        <source>шаг %1: формула «%2» не читается: %3</source>
        <translation>step %1: the formula &quot;%2&quot; cannot be read: %3</translation>
    </message>
    <message>
        <source>шаг %1: эталон «%2» не вычисляется ни в одной точке</source>
        <translation>step %1: the reference &quot;%2&quot; cannot be evaluated at any point</translation>
    </message>
    <message>
        <source>шаг %1: неверный ответ «%2» принят в %3 точках из %4</source>
        <translation>step %1: the wrong answer &quot;%2&quot; is accepted at %3 points of %4</translation>
    </message>
    <message>
        <source>шаг %1: ответ «%2» не оценён в точке %3: %4</source>
        <translation>step %1: the answer &quot;%2&quot; cannot be judged at the point %3: %4</translation>
    </message>
    <message>
        <source>шаг %1: уравнение не линейно относительно неизвестных</source>
        <translation>step %1: the equation is not linear in the unknowns</translation>
    </message>
    <message>
        <source>уравнений проекций и моментов %1, неизвестных %2: механика задачи не проверена</source>
        <translation>%1 equations of projections and moments, %2 unknowns: the mechanics of the problem is not checked</translation>
    </message>
    <message>
        <source>уравнения шагов %1 не определяют неизвестные: система вырождена во всех испытанных точках</source>
        <translation>the equations of steps %1 do not determine the unknowns: the system is singular at every point tried</translation>
    </message>
    <message>
        <source>шаг %1: уравнение не выполняется при решении уравнений шагов %2 (невязка %3 в точке %4)</source>
        <translation>step %1: the equation does not hold at the solution of the equations of steps %2 (residual %3 at the point %4)</translation>
    </message>
    <message>
        <source>шаг %1: выражение для «%2» даёт %3, а решение уравнений равновесия %4 (в точке %5)</source>
        <translation>step %1: the expression for &quot;%2&quot; gives %3, the solution of the equilibrium equations %4 (at the point %5)</translation>
    </message>
    <message>
        <source>шаг %1: ответ %2, а неизвестных %3</source>
        <translation>step %1: the answer is %2, but there are %3 unknowns</translation>
    </message>
    <message>
        <source>примечание</source>
        <translation>note</translation>
    </message>
    <message>
        <source>%1: проверка пройдена</source>
        <translation>%1: the check passed</translation>
    </message>
    <message>
        <source>шаг %1: данные задачи не соблюдают условия: %2</source>
        <translation>step %1: the problem's data do not keep a condition: %2</translation>
    </message>
    <message>
        <source>шаг %1: неверный ответ «%2» получает диагноз «%3», а не «%4», в %5 точках из %6 (первая: %7)</source>
        <translation>step %1: the wrong answer &quot;%2&quot; is diagnosed as &quot;%3&quot;, not &quot;%4&quot;, at %5 points of %6 (the first: %7)</translation>
    </message>
    <message>
        <source>ключ «%1»: текст на языке %2 не помещается в свою область (%3 при %4 пикселях)</source>
        <translation>key &quot;%1&quot;: the text in %2 does not fit its area (%3 of %4 pixels)</translation>
    </message>
    <message>
        <source>шаг %1: верный ответ «%2» не принят в точке %3</source>
        <translation>step %1: the right answer &quot;%2&quot; is not accepted at the point %3</translation>
    </message>
    <message>
        <source>шаг %1: верный ответ «%2» не вычисляется (ошибка сравнения) в %3 точках из %4, первая: %5</source>
        <translation>step %1: the right answer &quot;%2&quot; cannot be evaluated (comparison error) at %3 points of %4, the first: %5</translation>
    </message>
</context>
<context>
    <name>ReferencePictures</name>
    <message>
        <source>Дано :</source>
        <translation>Given:</translation>
    </message>
</context>
<context>
    <name>Schemes</name>
    <message>
        <source>    Однородная горизонтальная балка AB опирается на наклонную плоскость и на острие в т. D. Поверхность балки  и наклонная плоскость абсолютно гладкие. Определить силу F, которая обеспечивает равновесие.</source>
        <translation>    A uniform horizontal beam AB rests on an inclined plane and on a knife edge at D. The beam and the inclined plane are perfectly smooth. Find the force F that keeps the beam in equilibrium.</translation>
    </message>
    <message>
        <source>     Однородная колонна весом P опирается на вертикальную стену и на штифт в точке С. Поверхности горизонтальной балки и стены абсолютно гладкие. Весом балки пренебречь. На балку и колонну действуют пары сил с одинаковым по модулю моментом М. </source>
        <translation>     A uniform column of weight P rests against a vertical wall and on a pin at C. The horizontal beam and the wall are perfectly smooth; the weight of the beam is neglected. Couples of equal moment M act on the beam and on the column. </translation>
    </message>
    <message>
        <source>    На каждое из рассматриваемых тел дейст- вует произвольная плоская система сил. Си- ловая нагрузка и геометрические размеры ко- нструкции известны. Подумайте, можно ли ре- шить эту задачу ?</source>
        <translation>    Each body is acted on by a general plane system of forces. The loads and the dimensions of the structure are known. Think: can this problem be solved?</translation>
    </message>
    <message>
        <source>Подумайте, какие уравнения равновесия мож- но сейчас составить.</source>
        <translation>Think which equilibrium equations can be written now.</translation>
    </message>
    <message>
        <source>    Однородная горизонтальная балка AB опи- рается на наклонную плоскость в т. B и за- креплена цилиндрическим шарниром в т. A. Поверхность балки и наклонная плоскость абсолютно гладкие.</source>
        <translation>    A uniform horizontal beam AB rests on an inclined plane at B and is held by a pin (cylindrical hinge) at A. The beam and the inclined plane are perfectly smooth.</translation>
    </message>
    <message>
        <source>   К абсолютно твердому телу приложена не- которая система сил (красный цвет обозна- чает неизвестные силы, а пурпурный - задан- ные).</source>
        <translation>   A system of forces acts on a rigid body (red marks the unknown forces, magenta the given ones).</translation>
    </message>
    <message>
        <source>    Изогнутая под прямым углом балка заде- лана в стенку в точке B. Связь в точке B пре- пятствует не только поступательному пере- мещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с моментом заделки.</source>
        <translation>    A beam bent at a right angle is built into a wall at B. The fixed support at B prevents not only the translation of the body but also its rotation about that point. The reaction at B is a force and a couple with the fixed-end moment.</translation>
    </message>
    <message>
        <source>   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точ- ках A и B, направлены вдоль нитей.</source>
        <translation>   Here the supports are strings. Beam AK hangs on two strings tied at D to a third one fixed to the ceiling. The reactions acting on the beam at A and B are directed along the strings.</translation>
    </message>
    <message>
        <source>Дано : AB = 2b, AD = a,</source>
        <translation>Given: AB = 2b, AD = a,</translation>
    </message>
    <message>
        <source>Дано : AB = 2b, AD = a, </source>
        <translation>Given: AB = 2b, AD = a, </translation>
    </message>
    <message>
        <source>Главный момент системы сил относительно</source>
        <translation>The resultant moment of the forces about</translation>
    </message>
    <message>
        <source>точки D имеет вид :</source>
        <translation>point D is:</translation>
    </message>
    <message>
        <source>В (1) первое слагаемое имеет нулевой</source>
        <translation>In (1) the first term has a zero</translation>
    </message>
    <message>
        <source>радиус-вектор; следовательно,</source>
        <translation>position vector; therefore,</translation>
    </message>
    <message>
        <source>В рассматриваемом случае главный вектор</source>
        <translation>In this case the resultant force</translation>
    </message>
    <message>
        <source>системы равен :</source>
        <translation>of the system is:</translation>
    </message>
    <message>
        <source>Дано : AB = 4b, AC = b, DC = 2a,</source>
        <translation>Given: AB = 4b, AC = b, DC = 2a,</translation>
    </message>
    <message>
        <source>Дано : DC = 2a, M, P(вес колонны),</source>
        <translation>Given: DC = 2a, M, P (column weight),</translation>
    </message>
    <message>
        <source>Дано : AB = 4b, AC = b, M.</source>
        <translation>Given: AB = 4b, AC = b, M.</translation>
    </message>
    <message>
        <source>Дано : AB = 2b,</source>
        <translation>Given: AB = 2b,</translation>
    </message>
    <message>
        <source>Дано :</source>
        <translation>Given:</translation>
    </message>
    <message>
        <source>a - радиус диска.</source>
        <translation>a - disc radius.</translation>
    </message>
    <message>
        <source>Дано : AB = b, AC = a,</source>
        <translation>Given: AB = b, AC = a,</translation>
    </message>
    <message>
        <source>вес балки.</source>
        <translation>beam weight.</translation>
    </message>
    <message>
        <source>Балка AB освобождена от связей и изображена в осях x, y с началом O. Заданные силы показаны пурпурным цветом: вес G приложен в точке C и направлен вниз, сила F приложена к концу A и направлена вправо. Реакции связей показаны красным цветом: реакция R индекс D в точке D направлена вертикально вверх, реакция R индекс B в точке B перпендикулярна наклонной плоскости и составляет угол альфа с вертикалью.</source>
        <translation>Free-body diagram of beam AB in the x, y axes with origin O. The given forces are shown in magenta: the weight G acts at point C downwards, the force F acts at end A to the right. The support reactions are shown in red: the reaction R sub D at point D points vertically upwards, the reaction R sub B at point B is normal to the inclined plane and makes the angle alpha with the vertical.</translation>
    </message>
    <message>
        <source>Балка AB освобождена от связей: шарнир и наклонная плоскость убраны. Реакции показаны красным цветом: составляющие X индекс A вправо и Y индекс A вверх в точке A, реакция R индекс B в точке B перпендикулярна наклонной плоскости и составляет угол альфа с вертикальной пунктирной линией. Заданные нагрузки показаны пурпурным цветом: пара сил с моментом M и вес P в точке C.</source>
        <translation>Free-body diagram of beam AB: the pin and the inclined plane are removed. The reactions are shown in red: the components X sub A to the right and Y sub A upwards at point A, the reaction R sub B at point B normal to the inclined plane, at the angle alpha to the dashed vertical line. The given loads are shown in magenta: a couple of moment M and the weight P at point C.</translation>
    </message>
    <message>
        <source>Схема задачи: однородная горизонтальная балка AB в осях x, y с началом O опирается на острие в точке D и на гладкую наклонную плоскость в точке B; плоскость наклонена к горизонту под углом альфа. Заданные силы показаны пурпурным цветом: вес G приложен в точке C и направлен вниз, сила F приложена к концу A и направлена вправо. Дано: AB = 2b, AD = a, вес G, угол альфа.</source>
        <translation>Problem diagram: a uniform horizontal beam AB in the x, y axes with origin O rests on a knife edge at point D and on a smooth inclined plane at point B; the plane makes the angle alpha with the horizontal. The given forces are shown in magenta: the weight G acts at point C downwards, the force F acts at end A to the right. Given: AB = 2b, AD = a, weight G, angle alpha.</translation>
    </message>
    <message>
        <source>Схема задачи: однородная колонна DC весом P опирается в точке D на гладкую вертикальную стену, с которой образует угол альфа, а в точке C на штифт горизонтальной балки AB. Балка AB лежит на катковой опоре в точке A и на шарнирно-неподвижной опоре в точке B. Заданные нагрузки показаны пурпурным цветом: вес колонны P и пары сил с моментом M на колонне и на балке. Дано: AB = 4b, AC = b, DC = 2a, P, M, угол альфа.</source>
        <translation>Problem diagram: a uniform column DC of weight P rests at point D against a smooth vertical wall, making the angle alpha with it, and at point C on a pin of the horizontal beam AB. Beam AB lies on a roller support at point A and on a pin support at point B. The given loads are shown in magenta: the column weight P and couples of moment M on the column and on the beam. Given: AB = 4b, AC = b, DC = 2a, P, M, angle alpha.</translation>
    </message>
    <message>
        <source>Система расчленена: колонна DC изображена над балкой AB. Неизвестные реакции показаны красным цветом: реакция стены R индекс D в точке D; составляющие X индекс C и Y индекс C в точке C на колонне и противоположно направленные им на балке; реакция R индекс A катковой опоры в точке A; составляющие X индекс B и Y индекс B в точке B. Заданные пары сил с моментом M и вес колонны P показаны пурпурным цветом. Угол альфа между колонной и стеной отмечен в точке D.</source>
        <translation>The system taken apart: column DC is drawn above beam AB. The unknown reactions are shown in red: the wall reaction R sub D at point D; the components X sub C and Y sub C at point C on the column and the opposite ones on the beam; the roller reaction R sub A at point A; the components X sub B and Y sub B at point B. The given couples of moment M and the column weight P are shown in magenta. The angle alpha between the column and the wall is marked at point D.</translation>
    </message>
    <message>
        <source>Колонна DC отдельно со всеми силами. Заданные вес P и пара сил с моментом M показаны пурпурным цветом; неизвестные реакции показаны красным цветом: R индекс D в точке D, X индекс C и Y индекс C в точке C. Угол альфа между колонной и стеной отмечен в точке D. Дано: DC = 2a, M, P (вес колонны), угол альфа.</source>
        <translation>Free-body diagram of column DC. The given weight P and the couple of moment M are shown in magenta; the unknown reactions are shown in red: R sub D at point D, X sub C and Y sub C at point C. The angle alpha between the column and the wall is marked at point D. Given: DC = 2a, M, P (column weight), angle alpha.</translation>
    </message>
    <message>
        <source>Балка AB отдельно со всеми силами. Заданная пара сил с моментом M показана пурпурным цветом; неизвестные силы показаны красным цветом: реакция R индекс A в точке A, составляющие X индекс B и Y индекс B в точке B и силы X индекс C и Y индекс C, с которыми колонна действует на балку в точке C. Дано: AB = 4b, AC = b, M.</source>
        <translation>Free-body diagram of beam AB. The given couple of moment M is shown in magenta; the unknown forces are shown in red: the reaction R sub A at point A, the components X sub B and Y sub B at point B and the forces X sub C and Y sub C with which the column acts on the beam at point C. Given: AB = 4b, AC = b, M.</translation>
    </message>
    <message>
        <source>Схема задачи: однородная горизонтальная балка AB в осях x, y с началом O закреплена цилиндрическим шарниром в точке A и опирается в точке B на гладкую наклонную плоскость, наклоненную к горизонту под углом альфа. Заданные нагрузки показаны пурпурным цветом: пара сил с моментом M и вес P, приложенный в точке C и направленный вниз. Дано: AB = 2b, M, P, угол альфа.</source>
        <translation>Problem diagram: a uniform horizontal beam AB in the x, y axes with origin O is held by a pin at point A and rests at point B on a smooth inclined plane that makes the angle alpha with the horizontal. The given loads are shown in magenta: a couple of moment M and the weight P acting at point C downwards. Given: AB = 2b, M, P, angle alpha.</translation>
    </message>
    <message>
        <source>Желтый диск радиуса a с центром C и горизонтальным пунктирным диаметром AB. Заданные силы показаны пурпурным цветом: сила F приложена в точке A и направлена вверх, сила P приложена в центре C и направлена вниз, P = минус F. Неизвестная реакция в точке B показана красным цветом: составляющие X индекс B вправо и Y индекс B вверх и момент M индекс B, изображенный дугой со стрелкой.</source>
        <translation>A yellow disc of radius a with centre C and the dashed horizontal diameter AB. The given forces are shown in magenta: the force F acts at point A upwards, the force P acts at the centre C downwards, P = minus F. The unknown reaction at point B is shown in red: the components X sub B to the right and Y sub B upwards and the moment M sub B, drawn as an arc with an arrow.</translation>
    </message>
    <message>
        <source>Схема задачи: балка, изогнутая под прямым углом, в осях x, y с началом O заделана в стену в точке B. Горизонтальная часть BA длиной b, вертикальная часть AC длиной a. Заданная сила F показана пурпурным цветом: она приложена в нижней точке C под углом альфа к вертикали. Дано: AB = b, AC = a, F, угол альфа.</source>
        <translation>Problem diagram: a beam bent at a right angle, in the x, y axes with origin O, is built into a wall at point B. The horizontal part BA has length b, the vertical part AC length a. The given force F is shown in magenta: it acts at the lower point C at the angle alpha to the vertical. Given: AB = b, AC = a, F, angle alpha.</translation>
    </message>
    <message>
        <source>Балка освобождена от заделки: стена убрана, реакция заделки в точке B показана красным цветом: составляющие X индекс B вправо и Y индекс B вверх и момент заделки M индекс B, изображенный дугой со стрелкой. Заданная сила F в точке C под углом альфа к вертикали показана пурпурным цветом.</source>
        <translation>Free-body diagram of the beam: the wall is removed and the reaction of the fixed support at point B is shown in red: the components X sub B to the right and Y sub B upwards and the fixed-end moment M sub B, drawn as an arc with an arrow. The given force F at point C, at the angle alpha to the vertical, is shown in magenta.</translation>
    </message>
    <message>
        <source>Схема задачи: серая балка AK подвешена на двух нитях, идущих из точек A и B к узлу D; узел D привязан нитью DC к потолку в точке C. Нить из точки A образует с балкой угол альфа, нить из точки B угол бета. Заданный вес балки P показан пурпурным цветом: он приложен в точке O и направлен вниз. Дано: AO = a, OB = b, углы альфа и бета.</source>
        <translation>Problem diagram: a grey beam AK hangs on two strings running from points A and B to the knot D; the knot D is tied by string DC to the ceiling at point C. The string from point A makes the angle alpha with the beam, the string from point B the angle beta. The given beam weight P is shown in magenta: it acts at point O downwards. Given: AO = a, OB = b, angles alpha and beta.</translation>
    </message>
    <message>
        <source>Нити заменены силами натяжения, показанными красным цветом: T индекс A в точке A и T индекс B в точке B направлены вдоль нитей к узлу D; в узле D действуют T индекс A и T индекс B в обратную сторону и T индекс C вверх. Через узел D проведена пунктирная вертикаль, оси x и y изображены внизу слева. Вес балки P в точке O показан пурпурным цветом; отмечены углы альфа и бета.</source>
        <translation>The strings are replaced by their tensions, shown in red: T sub A at point A and T sub B at point B point along the strings towards the knot D; at the knot D, T sub A and T sub B act the opposite way and T sub C upwards. A dashed vertical line passes through the knot D; the x and y axes are drawn at the bottom left. The beam weight P at point O is shown in magenta; the angles alpha and beta are marked.</translation>
    </message>
    <message>
        <source>Уравнение проекций на ось x: X индекс A минус R индекс B синус альфа.</source>
        <translation>Equation of projections on the x axis: X sub A minus R sub B sine alpha.</translation>
    </message>
    <message>
        <source>Уравнение проекций на ось y: Y индекс A минус P плюс R индекс B косинус альфа.</source>
        <translation>Equation of projections on the y axis: Y sub A minus P plus R sub B cosine alpha.</translation>
    </message>
    <message>
        <source>Уравнение моментов относительно точки A: M минус P b плюс 2 b R индекс B косинус альфа.</source>
        <translation>Equation of moments about point A: M minus P b plus 2 b R sub B cosine alpha.</translation>
    </message>
    <message>
        <source>В поле условия записан главный момент системы сил относительно точки D: L индекс D равен сумме моментов относительно D сил R индекс D, F, G и R индекс B (1); первое слагаемое равно нулю, так как его радиус-вектор нулевой.</source>
        <translation>The statement area shows the resultant moment of the forces about point D: L sub D equals the sum of the moments about D of the forces R sub D, F, G and R sub B (1); the first term is zero because its position vector is zero.</translation>
    </message>
    <message>
        <source>В поле условия записаны главный вектор системы: R равен сумме сил F, G, R индекс D и R индекс B (1), и главный момент системы сил относительно точки D: L индекс D равен сумме моментов относительно D сил R индекс D, F, G и R индекс B (2).</source>
        <translation>The statement area shows the resultant force of the system: R equals the sum of the forces F, G, R sub D and R sub B (1), and the resultant moment of the forces about point D: L sub D equals the sum of the moments about D of the forces R sub D, F, G and R sub B (2).</translation>
    </message>
    <message>
        <source>В поле условия записаны три уравнения равновесия (1). Сумма проекций на ось x: F минус R индекс B синус альфа равно нулю. Сумма проекций на ось y: R индекс D минус G плюс R индекс B косинус альфа равно нулю. Сумма моментов относительно точки D: R индекс B на (2b минус a) косинус альфа минус G на (b минус a) равно нулю.</source>
        <translation>The statement area shows the three equilibrium equations (1). Sum of projections on the x axis: F minus R sub B sine alpha equals zero. Sum of projections on the y axis: R sub D minus G plus R sub B cosine alpha equals zero. Sum of moments about point D: R sub B times (2b minus a) cosine alpha minus G times (b minus a) equals zero.</translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Какой угол будет составлять сила R!B@ c балкой AB, если балку освободить от внешних связей?</source>
        <translation>What angle does force R!B@ make with beam AB once the beam is freed of supports?</translation>
    </message>
    <message>
        <source>Какой угол сила R!D@ образует с вертикалью ?</source>
        <translation>What angle does force R!D@ make with the vertical?</translation>
    </message>
    <message>
        <source>Существует ли в уравнении (1) еще слагаемое, равное нулю ?</source>
        <translation>Is there another term in equation (1) that equals zero?</translation>
    </message>
    <message>
        <source>Какой номер имеет это слагаемое?</source>
        <translation>What is the number of that term?</translation>
    </message>
    <message>
        <source>Запишите сумму проекций всех сил на ось Ox</source>
        <translation>Write the sum of the projections of all forces on the Ox axis</translation>
    </message>
    <message>
        <source>Запишите сумму проекций всех сил на ось Oy</source>
        <translation>Write the sum of the projections of all forces on the Oy axis</translation>
    </message>
    <message>
        <source>Запишите сумму моментов всех сил относительно т. D</source>
        <translation>Write the sum of the moments of all forces about point D</translation>
    </message>
    <message>
        <source>Запишите сумму моментов всех сил относительно т. B</source>
        <translation>Write the sum of the moments of all forces about point B</translation>
    </message>
    <message>
        <source>Запишите чему равна сила F из системы (1)</source>
        <translation>Write the expression for force F from system (1)</translation>
    </message>
    <message>
        <source>Теперь, пожалуйста, запишите выражение для R!D</source>
        <translation>Now, please, write the expression for R!D</translation>
    </message>
    <message>
        <source>Будьте любезны, запишите также выражение для R!B</source>
        <translation>Would you kindly also write the expression for R!B</translation>
    </message>
    <message>
        <source>Сколько неизвестных будет в уравнениях равновесия сист., освобожденной от внешн. связей?</source>
        <translation>How many unknowns appear in the equilibrium equations once ext. supports are removed?</translation>
    </message>
    <message>
        <source>Можно ли определить реакции внешних связей, не расчленяя систему?</source>
        <translation>Can the external support reactions be found without taking the system apart?</translation>
    </message>
    <message>
        <source>Сколько неизвестных составляющих у реакции в т. С?</source>
        <translation>How many unknown components does the reaction at C have?</translation>
    </message>
    <message>
        <source>Укажите число независимых неизвестных, если расчленить систему</source>
        <translation>Give the number of independent unknowns if the system is taken apart</translation>
    </message>
    <message>
        <source>При каком значении момента М реакция R!D@ равна нулю</source>
        <translation>For what value of the moment M is the reaction R!D@ zero</translation>
    </message>
    <message>
        <source>Является ли эта задача статически определимой?</source>
        <translation>Is this problem statically determinate?</translation>
    </message>
    <message>
        <source>Сколько нужно составить уравнений, чтобы найти все неизвестные?</source>
        <translation>How many equations must be written to find all the unknowns?</translation>
    </message>
    <message>
        <source>Запишите для колонны сумму проекций всех сил на ось Ox</source>
        <translation>For the column, write the sum of the projections of all forces on Ox</translation>
    </message>
    <message>
        <source>Запишите для колонны сумму проекций всех сил на ось Oy</source>
        <translation>For the column, write the sum of the projections of all forces on Oy</translation>
    </message>
    <message>
        <source>Запишите для колонны сумму моментов всех сил относительно т. C</source>
        <translation>For the column, write the sum of the moments of all forces about point C</translation>
    </message>
    <message>
        <source>Запишите для балки сумму проекций всех сил на ось Ox</source>
        <translation>For the beam, write the sum of the projections of all forces on Ox</translation>
    </message>
    <message>
        <source>Запишите для балки сумму проекций всех сил на ось Oy</source>
        <translation>For the beam, write the sum of the projections of all forces on Oy</translation>
    </message>
    <message>
        <source>Запишите для балки сумму моментов всех сил относительно т. C</source>
        <translation>For the beam, write the sum of the moments of all forces about point C</translation>
    </message>
    <message>
        <source>Сколько неизвестных составляющих у реакции в т. A?</source>
        <translation>How many unknown components does the reaction at A have?</translation>
    </message>
    <message>
        <source>Запишите сумму моментов всех сил относительно точки A</source>
        <translation>Write the sum of the moments of all forces about point A</translation>
    </message>
    <message>
        <source>Пусть тело находится в равновесии. Чему равна сила Y!A@?</source>
        <translation>Let the body be in equilibrium. What is the force Y!A@?</translation>
    </message>
    <message>
        <source>Чему равна сила X!B@?</source>
        <translation>What is the force X!B@?</translation>
    </message>
    <message>
        <source>Чему равна сила Y!B@?</source>
        <translation>What is the force Y!B@?</translation>
    </message>
    <message>
        <source>Чему равен момент M!B@?</source>
        <translation>What is the moment M!B@?</translation>
    </message>
    <message>
        <source>Сколько составляющих имеет реакция связи в точке A?</source>
        <translation>How many components does the support reaction at A have?</translation>
    </message>
    <message>
        <source>Запишите для балки AK сумму проекций всех сил на ось Ox</source>
        <translation>For beam AK, write the sum of the projections of all forces on Ox</translation>
    </message>
    <message>
        <source>Запишите для балки AK сумму проекций всех сил на ось Oy</source>
        <translation>For beam AK, write the sum of the projections of all forces on Oy</translation>
    </message>
    <message>
        <source>Чему равна сила T!A@?</source>
        <translation>What is the force T!A@?</translation>
    </message>
</context>
<context>
    <name>SolverWindow</name>
    <message>
        <source>Решение системы AX = B</source>
        <translation>Solving the system AX = B</translation>
    </message>
    <message>
        <source>Уважаемый коллега !</source>
        <translation>Dear colleague!</translation>
    </message>
    <message>
        <source>Я рад помочь Вам решить систему %1 линейных алгебраических уравнений AX = B. Сообщите, пожалуйста, коэффициенты матрицы A и столбца B.</source>
        <translation>I am glad to help you solve a system of %1 linear algebraic equations AX = B. Please enter the coefficients of matrix A and of column B.</translation>
    </message>
    <message>
        <source>Вычисленные значения неизвестных</source>
        <translation>Computed values of the unknowns</translation>
    </message>
    <message>
        <source>Коэффициент A(%1,%2)</source>
        <translation>Coefficient A(%1,%2)</translation>
    </message>
    <message>
        <source>Свободный член B%1</source>
        <translation>Constant term B%1</translation>
    </message>
    <message>
        <source>Неизвестное X%1</source>
        <translation>Unknown X%1</translation>
    </message>
    <message>
        <source>Считать</source>
        <translation>Compute</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ошибка! Решение не может быть вычислено: числа выходят за пределы допустимого диапазона.</source>
        <translation>Error! The solution cannot be computed: the numbers are outside the allowed range.</translation>
    </message>
    <message>
        <source>Ошибка! Введены не все данные.</source>
        <translation>Error! Not all the data have been entered.</translation>
    </message>
    <message>
        <source>Ошибка! Матрица A является вырожденной.</source>
        <translation>Error! Matrix A is singular.</translation>
    </message>
    <message>
        <source>Вычисленные значения неизвестных: %1</source>
        <translation>Computed values of the unknowns: %1</translation>
    </message>
</context>
<context>
    <name>SpokenFormula</name>
    <message>
        <source>альфа</source>
        <translation>alpha</translation>
    </message>
    <message>
        <source>бета</source>
        <translation>beta</translation>
    </message>
    <message>
        <source>хи</source>
        <translation>chi</translation>
    </message>
    <message>
        <source>дельта</source>
        <translation>delta</translation>
    </message>
    <message>
        <source>эпсилон</source>
        <translation>epsilon</translation>
    </message>
    <message>
        <source>фи</source>
        <translation>phi</translation>
    </message>
    <message>
        <source>гамма</source>
        <translation>gamma</translation>
    </message>
    <message>
        <source>эта</source>
        <translation>eta</translation>
    </message>
    <message>
        <source>йота</source>
        <translation>iota</translation>
    </message>
    <message>
        <source>каппа</source>
        <translation>kappa</translation>
    </message>
    <message>
        <source>лямбда</source>
        <translation>lambda</translation>
    </message>
    <message>
        <source>мю</source>
        <translation>mu</translation>
    </message>
    <message>
        <source>ню</source>
        <translation>nu</translation>
    </message>
    <message>
        <source>омикрон</source>
        <translation>omicron</translation>
    </message>
    <message>
        <source>пи</source>
        <translation>pi</translation>
    </message>
    <message>
        <source>тета</source>
        <translation>theta</translation>
    </message>
    <message>
        <source>ро</source>
        <translation>rho</translation>
    </message>
    <message>
        <source>сигма</source>
        <translation>sigma</translation>
    </message>
    <message>
        <source>тау</source>
        <translation>tau</translation>
    </message>
    <message>
        <source>ипсилон</source>
        <translation>upsilon</translation>
    </message>
    <message>
        <source>омега</source>
        <translation>omega</translation>
    </message>
    <message>
        <source>кси</source>
        <translation>xi</translation>
    </message>
    <message>
        <source>пси</source>
        <translation>psi</translation>
    </message>
    <message>
        <source>дзета</source>
        <translation>zeta</translation>
    </message>
    <message>
        <source>сумма</source>
        <translation>sum</translation>
    </message>
    <message>
        <source>арккотангенс</source>
        <translation>arccotangent</translation>
    </message>
    <message>
        <source>арксинус</source>
        <translation>arcsine</translation>
    </message>
    <message>
        <source>арккосинус</source>
        <translation>arccosine</translation>
    </message>
    <message>
        <source>арктангенс</source>
        <translation>arctangent</translation>
    </message>
    <message>
        <source>косеканс</source>
        <translation>cosecant</translation>
    </message>
    <message>
        <source>десятичный логарифм</source>
        <translation>common logarithm</translation>
    </message>
    <message>
        <source>котангенс</source>
        <translation>cotangent</translation>
    </message>
    <message>
        <source>квадратный корень</source>
        <translation>square root</translation>
    </message>
    <message>
        <source>синус</source>
        <translation>sine</translation>
    </message>
    <message>
        <source>косинус</source>
        <translation>cosine</translation>
    </message>
    <message>
        <source>тангенс</source>
        <translation>tangent</translation>
    </message>
    <message>
        <source>экспонента</source>
        <translation>exponential</translation>
    </message>
    <message>
        <source>квадрат</source>
        <translation>square</translation>
    </message>
    <message>
        <source>модуль</source>
        <translation>absolute value</translation>
    </message>
    <message>
        <source>секанс</source>
        <translation>secant</translation>
    </message>
    <message>
        <source>гиперболический котангенс</source>
        <translation>hyperbolic cotangent</translation>
    </message>
    <message>
        <source>натуральный логарифм</source>
        <translation>natural logarithm</translation>
    </message>
    <message>
        <source>гиперболический синус</source>
        <translation>hyperbolic sine</translation>
    </message>
    <message>
        <source>гиперболический косинус</source>
        <translation>hyperbolic cosine</translation>
    </message>
    <message>
        <source>гиперболический тангенс</source>
        <translation>hyperbolic tangent</translation>
    </message>
    <message>
        <source>индекс</source>
        <translation>sub</translation>
    </message>
    <message>
        <source>в степени</source>
        <translation>to the power</translation>
    </message>
    <message>
        <source>плюс</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>минус</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>умножить на</source>
        <translation>times</translation>
    </message>
    <message>
        <source>разделить на</source>
        <translation>divided by</translation>
    </message>
    <message>
        <source>равно</source>
        <translation>equals</translation>
    </message>
    <message>
        <source>меньше</source>
        <translation>less than</translation>
    </message>
    <message>
        <source>больше</source>
        <translation>greater than</translation>
    </message>
    <message>
        <source>скобка открывается</source>
        <translation>open bracket</translation>
    </message>
    <message>
        <source>скобка закрывается</source>
        <translation>close bracket</translation>
    </message>
    <message>
        <source>квадратная скобка открывается</source>
        <translation>open square bracket</translation>
    </message>
    <message>
        <source>квадратная скобка закрывается</source>
        <translation>close square bracket</translation>
    </message>
    <message>
        <source>большая %1</source>
        <translation>capital %1</translation>
    </message>
</context>
<context>
    <name>SpokenText</name>
    <message>
        <source>уравнение %1</source>
        <translation>equation %1</translation>
    </message>
</context>
<context>
    <name>TAskForm</name>
    <message>
        <source>Выбор порядка системы</source>
        <translation>Order of the system</translation>
    </message>
    <message>
        <source>Систему какого порядка решаем ?</source>
        <translation>Solve a system of which order?</translation>
    </message>
    <message>
        <source>Система 6 уравнений</source>
        <translation>System of 6 equations</translation>
    </message>
    <message>
        <source>Система 9 уравнений</source>
        <translation>System of 9 equations</translation>
    </message>
</context>
<context>
    <name>TConsForm</name>
    <message>
        <source>Консультант</source>
        <translation>Consultant</translation>
    </message>
    <message>
        <source>КОНСУЛЬТАНТ приветствует Вас !</source>
        <translation>The CONSULTANT welcomes you!</translation>
    </message>
    <message>
        <source>Подсистема КОНСУЛЬТАНТ может предоставить Вам необходимую справку по работе с системой ВЕКТУМ-W,  некоторые  сведения по теории и методике решения задач.</source>
        <translation>The CONSULTANT subsystem can give you the help you need on working with VEKTUM-W, and some facts of the theory and of the method of solving problems.</translation>
    </message>
    <message>
        <source>Информация о работе с системой ВЕКТУМ-W</source>
        <translation>How to work with VEKTUM-W</translation>
    </message>
    <message>
        <source>Методика решения задач</source>
        <translation>Problem-solving method</translation>
    </message>
    <message>
        <source>Виды связей</source>
        <translation>Types of supports</translation>
    </message>
    <message>
        <source>Завершение работы с подсистемой КОНСУЛЬТАНТ</source>
        <translation>Leave the CONSULTANT</translation>
    </message>
</context>
<context>
    <name>TEqEdit</name>
    <message>
        <source>греческая буква</source>
        <translation>Greek letter</translation>
    </message>
    <message>
        <source>индекс</source>
        <translation>subscript</translation>
    </message>
    <message>
        <source>степень</source>
        <translation>superscript</translation>
    </message>
    <message>
        <source>основная строка</source>
        <translation>base line</translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Аналоги для строчных букв греческого алфавита:</source>
        <translation>Latin keys for the lower-case Greek letters:</translation>
    </message>
    <message>
        <source>        Переход в верхнюю позицию осуществляется клавишей &quot;UP&quot; (вверх). Возврат в прежднее положение осуществляется клавишей &quot;DOWN&quot; (вниз).</source>
        <translation>        The &quot;UP&quot; key moves up to the superscript position. The &quot;DOWN&quot; key moves back to the previous position.</translation>
    </message>
    <message>
        <source>        Переход в нижнюю позицию осуществляется клавишей &quot;DOWN&quot; (вниз). Возврат в прежднее положение осуществляется клавишей &quot;UP&quot; (вверх).</source>
        <translation>        The &quot;DOWN&quot; key moves down to the subscript position. The &quot;UP&quot; key moves back to the previous position.</translation>
    </message>
    <message>
        <source>        При вводе формулы или выражения обратите внимание на то,   какие Вам нужны литеры - заглавные или строчные.</source>
        <translation>        When you type a formula or an expression, mind which letters you need: capitals or lower-case.</translation>
    </message>
    <message>
        <source>Например, в обозначении</source>
        <translation>For example, in the symbol</translation>
    </message>
    <message>
        <source>буквы &quot;M&quot; и &quot;B&quot; заглавные,</source>
        <translation>the letters &quot;M&quot; and &quot;B&quot; are capitals,</translation>
    </message>
    <message>
        <source>а &quot;z&quot; строчная. Будьте внимательны, программа различает регистр.</source>
        <translation>and &quot;z&quot; is lower-case. Be careful: the program is case-sensitive.</translation>
    </message>
    <message>
        <source>При записи функций, параметры необходимо вводить в скобках:</source>
        <translation>When you write a function, put its arguments in brackets:</translation>
    </message>
    <message>
        <source>Запись возведения в степень:</source>
        <translation>Writing powers:</translation>
    </message>
    <message>
        <source>      2) При возведении переменной в степень, первым пишется индекс, затем указывается показатель степени. Скобки ставить не обязательно:</source>
        <translation>      2) To raise a variable with a subscript to a power, write the subscript first, then the exponent. Brackets are not needed:</translation>
    </message>
    <message>
        <source>      3) Если показатель степени - сложное выражение, то его необходимо брать в скобки:</source>
        <translation>      3) If the exponent is a compound expression, it must be put in brackets:</translation>
    </message>
    <message>
        <source>      4)При умножении между множителями обязательно пишется  звездочка :</source>
        <translation>      4) In a product, an asterisk must be written between the factors:</translation>
    </message>
    <message>
        <source>    Для утвердительного ответа на вопрос необходимо ввести в поле ввода </source>
        <translation>    To answer a question with &quot;yes&quot;, type in the input box </translation>
    </message>
    <message>
        <source>    Для отрицательного ответа на вопрос необходимо ввести в поле ввода </source>
        <translation>    To answer a question with &quot;no&quot;, type in the input box </translation>
    </message>
    <message>
        <source>Информация о системе</source>
        <translation>About the system</translation>
    </message>
    <message>
        <source>Набор греческих букв</source>
        <translation>Typing Greek letters</translation>
    </message>
    <message>
        <source>Набор выражения, формулы</source>
        <translation>Typing formulas</translation>
    </message>
    <message>
        <source>Особенности набора формул</source>
        <translation>Notes on formulas</translation>
    </message>
    <message>
        <source>Ответы на вопросы системы</source>
        <translation>Answering questions</translation>
    </message>
    <message>
        <source>     Для  набора греческой буквы следует предварительно нажать функциональную клавишу%1, а затем - соответствующий этой букве аналог в латинском регистре.</source>
        <translation>     To type a Greek letter, first press the function key%1, and then the Latin letter that stands for it.</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Клавиши</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Лист %1 из %2</source>
        <translation>Sheet %1 of %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
</context>
<context>
    <name>TKontrForm</name>
    <message>
        <source>Контролер</source>
        <translation>Examiner</translation>
    </message>
    <message>
        <source>КОНТРОЛЕР приветствует Вас !</source>
        <translation>The EXAMINER welcomes you!</translation>
    </message>
    <message>
        <source>Подсистема КОНТРОЛЕР проверяет, насколько Вами освоена техника решения задач статики плоской системы сил и позволяет решить систему линейных алгебраических уравнений.</source>
        <translation>The EXAMINER subsystem checks how well you have mastered solving statics problems for a plane system of forces, and lets you solve a system of linear algebraic equations.</translation>
    </message>
    <message>
        <source>Решение системы линейных уравнений</source>
        <translation>Solve a system of linear equations</translation>
    </message>
    <message>
        <source>Завершение работы с подсистемой КОНТРОЛЕР</source>
        <translation>Leave the EXAMINER</translation>
    </message>
    <message>
        <source>    Прежде чем Вы приступите к вычислению матрицы, Вам придется ответить на несколько тестовых вопросов. При пяти неправильных ответах КОНТРОЛЕР прекращает работу и вызывает РЕПЕТИТОР.</source>
        <translation>    Before you go on to compute the matrix, you will have to answer a few test questions. After five wrong answers the EXAMINER stops and calls the TUTOR.</translation>
    </message>
</context>
<context>
    <name>TKzsForm</name>
    <message>
        <source>Вы ответили неверно пять раз. Проверьте свои знания и попробуйте снова. Желаю удачи!</source>
        <translation>You have answered wrongly five times. Review what you know and try again. Good luck!</translation>
    </message>
    <message>
        <source>Вы успешно прошли это испытание. Поздравляю! Желаю дальнейших успехов! </source>
        <translation>You have passed this test. Congratulations! I wish you further success! </translation>
    </message>
    <message>
        <source>Решение контрольной задачи по статике</source>
        <translation>Solving a statics test problem</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Вектум</source>
        <translation>Vektum</translation>
    </message>
    <message>
        <source>Система</source>
        <translation>System</translation>
    </message>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation>VEKTUM-W</translation>
    </message>
    <message>
        <source>- это комплекс программ, предназначенный для интенсив- </source>
        <translation>- a set of programs designed for the intensive, individual</translation>
    </message>
    <message>
        <source>ного индивидуального обучения теоретической механике. Система ВЕКТУМ-W помогает пользователю освоить методику решения различных прикладных задач, где требуется исследовать условия равновесия твердого тела или системы таких тел.</source>
        <translation>teaching of theoretical mechanics. VEKTUM-W helps the user master the method of solving various applied problems in which the equilibrium of a rigid body or of a system of such bodies has to be studied.</translation>
    </message>
    <message>
        <source>Пожалуйста, выберите интересующий Вас раздел </source>
        <translation>Please choose the section you are interested in </translation>
    </message>
    <message>
        <source>КОНСУЛЬТАНТ</source>
        <translation>CONSULTANT</translation>
    </message>
    <message>
        <source>РЕПЕТИТОР</source>
        <translation>TUTOR</translation>
    </message>
    <message>
        <source>КОНТРОЛЕР</source>
        <translation>EXAMINER</translation>
    </message>
    <message>
        <source>ВЫХОД</source>
        <translation>EXIT</translation>
    </message>
</context>
<context>
    <name>TMetodForm</name>
    <message>
        <source>Методика решения задач статики</source>
        <translation>Method of solving statics problems</translation>
    </message>
    <message>
        <source>             Методика решения задач базируется на основных аксиомах статики и сводится к следующей последовательности операций в процессе решения задач :</source>
        <translation>             The method of solving problems rests on the basic axioms of statics and comes down to the following sequence of operations:</translation>
    </message>
    <message>
        <source>1 шаг.</source>
        <translation>Step 1.</translation>
    </message>
    <message>
        <source> Систему абсолютно твердых тел, находящихся в равновесии, освобождаем от</source>
        <translation> We free the system of rigid bodies in equilibrium from its</translation>
    </message>
    <message>
        <source>внешних</source>
        <translation>external</translation>
    </message>
    <message>
        <source>связей и действие связей заменяем соответствующими реакциями</source>
        <translation>supports and replace the action of the supports by the support</translation>
    </message>
    <message>
        <source>связей.</source>
        <translation>reactions.</translation>
    </message>
    <message>
        <source>2 шаг.</source>
        <translation>Step 2.</translation>
    </message>
    <message>
        <source> Расчленяем систему на отдельные тела или отдельные группы тел, а действие</source>
        <translation> We split the system into single bodies or groups of bodies and replace the</translation>
    </message>
    <message>
        <source>внутренних</source>
        <translation>internal</translation>
    </message>
    <message>
        <source>связей заменяем соответствующими реакциями связей.</source>
        <translation>connections by the corresponding reactions.</translation>
    </message>
    <message>
        <source>3 шаг.</source>
        <translation>Step 3.</translation>
    </message>
    <message>
        <source> Записываем и анализируем </source>
        <translation> We write and analyse the </translation>
    </message>
    <message>
        <source>условия равновесия</source>
        <translation>equilibrium conditions</translation>
    </message>
    <message>
        <source>каждого выделенного тела</source>
        <translation>of each separated body</translation>
    </message>
    <message>
        <source>или каждой выделенной группы тел.</source>
        <translation>or of each separated group of bodies.</translation>
    </message>
</context>
<context>
    <name>TPonForm</name>
    <message>
        <source>Схема: диск C с весом G и реакциями R в точках A и B</source>
        <translation>Diagram: disc C of weight G with reactions R at points A and B</translation>
    </message>
    <message>
        <source>Сила</source>
        <translation>Force</translation>
    </message>
    <message>
        <source>- мера механического воздействия на материальное</source>
        <translation>- a measure of the mechanical action of material</translation>
    </message>
    <message>
        <source>тело со стороны каких-либо материальных объектов.</source>
        <translation>bodies on one another.</translation>
    </message>
    <message>
        <source>Это - векторная величина, характеризующаяся числен- ным значением, направлением и точкой приложения.</source>
        <translation>It is a vector quantity, defined by its magnitude, its direction and its point of application.</translation>
    </message>
    <message>
        <source>В системе ВЕКТУМ-W заданные (активные) силы изображаются пурпурным цветом, а красный цвет соответствует тем силам, которые неизвестны (реакциям связей).</source>
        <translation>In VEKTUM-W the given (active) forces are drawn in magenta, and red marks the forces that are unknown (the support reactions).</translation>
    </message>
    <message>
        <source>Замечание.</source>
        <translation>Note.</translation>
    </message>
    <message>
        <source>Схема: диск C с парой сил F и P и реакциями в точке B</source>
        <translation>Diagram: disc C with the couple F, P and the reactions at point B</translation>
    </message>
    <message>
        <source>Пара сил</source>
        <translation>Couple</translation>
    </message>
    <message>
        <source>- система двух сил, приложенных к одному телу,</source>
        <translation>- a system of two forces applied to one body,</translation>
    </message>
    <message>
        <source>равных по модулю и направленных в противоположные</source>
        <translation>of the same magnitude and directed in opposite</translation>
    </message>
    <message>
        <source>стороны.</source>
        <translation>directions.</translation>
    </message>
    <message>
        <source>Пара сил характеризуется моментом. Момент пары преставляет собой вектор, перпендикулярный плоскости пары, равный по модулю произведению модуля одной из сил пары на плечо пары и напрвленный в ту сторону, откуда вращение тела, которое стремится вызвать пара</source>
        <translation>A couple is characterised by its moment. The moment of a couple is a vector perpendicular to the plane of the couple, equal in magnitude to the product of one of its forces and the arm of the couple, and pointing to the side from which the rotation the couple tends to cause</translation>
    </message>
    <message>
        <source>представляется происходящим против хода часовой стрелки.</source>
        <translation>is seen as counterclockwise.</translation>
    </message>
    <message>
        <source>Схема: сила F и её проекции на оси x и y, углы альфа и гамма</source>
        <translation>Diagram: force F and its projections on the x and y axes, angles alpha and gamma</translation>
    </message>
    <message>
        <source>Проекция силы на ось</source>
        <translation>Projection on an axis</translation>
    </message>
    <message>
        <source>- это скалярная величина, равная</source>
        <translation>- a scalar quantity equal to the</translation>
    </message>
    <message>
        <source>произведению модуля силы на косинус угла, образован- </source>
        <translation>force modulus times the cosine of the</translation>
    </message>
    <message>
        <source>ного положительным направлением оси и направлением силы:</source>
        <translation>angle between the positive direction of the axis and the force:</translation>
    </message>
    <message>
        <source>Если есть необходимость перейти к иному отсчету угла, то, учитывая соотношения</source>
        <translation>If the angle has to be measured otherwise, then, using the relations</translation>
    </message>
    <message>
        <source>получим:</source>
        <translation>we get:</translation>
    </message>
    <message>
        <source>Схема: момент силы F относительно полюса B, радиус-вектор r и плечо h</source>
        <translation>Diagram: moment of force F about pole B, position vector r and arm h</translation>
    </message>
    <message>
        <source>Схема: разложение силы F на составляющие F1 и F2 с плечами h1 и h2</source>
        <translation>Diagram: force F resolved into components F1 and F2 with arms h1 and h2</translation>
    </message>
    <message>
        <source>Момент силы</source>
        <translation>Moment</translation>
    </message>
    <message>
        <source>относительно полюса (точки В) - это вектор,</source>
        <translation>of a force about a pole (point B) is the vector</translation>
    </message>
    <message>
        <source>равный векторному произведению радиус-вектора r, прове-</source>
        <translation>equal to the cross product of the position vector r, drawn</translation>
    </message>
    <message>
        <source>денного из полюса в точку приложения силы, на вектор силы F:</source>
        <translation>from the pole to the point of application, and the force vector F:</translation>
    </message>
    <message>
        <source>В случае плоской системы сил проекцию вектора             на ось Oz можно вычислить так :</source>
        <translation>For a plane force system the projection of the vector             on the Oz axis can be computed as:</translation>
    </message>
    <message>
        <source>- если сила стремится повернуть тело вокруг полюса против хода часовой стрелки</source>
        <translation>- if the force tends to turn the body about the pole counterclockwise</translation>
    </message>
    <message>
        <source>- если сила стремится повернуть тело вокруг полюса по ходу часовой стрелки</source>
        <translation>- if the force tends to turn the body about the pole clockwise</translation>
    </message>
    <message>
        <source>Здесь F - модуль силы, h = r sin</source>
        <translation>Here F is the magnitude, h = r sin</translation>
    </message>
    <message>
        <source>- плечо.</source>
        <translation>- arm.</translation>
    </message>
    <message>
        <source>Если вычисление затруднено, то момент силы относи- тельно точки может быть найден следующим образом: сила F раскладывается на две составляющие так, чтобы легко было найти для них плечи. Например:</source>
        <translation>If this is hard to compute, the moment of a force about a point can be found as follows: resolve the force F into two components whose arms are easy to find. For example:</translation>
    </message>
    <message>
        <source>M!Oz@(F) = -h!1@F!1@ - h!2@F!2@, где F!1@ - Fcos~a,  h!1@ = 2R,  F!2@ = Fsin~a,  h!2@ = R.</source>
        <translation>M!Oz@(F) = -h!1@F!1@ - h!2@F!2@, where F!1@ - Fcos~a, h!1@ = 2R, F!2@ = Fsin~a, h!2@ = R.</translation>
    </message>
    <message>
        <source>Схема: стержень AC и диск O, сила F и реакции в заделке A</source>
        <translation>Diagram: rod AC and disc O, force F and the reactions of the fixed support A</translation>
    </message>
    <message>
        <source>Уравнения равновесия для плоской системы сил.</source>
        <translation>Equilibrium equations for a plane force system.</translation>
    </message>
    <message>
        <source>Три основные формы записи уравнений равновесия :</source>
        <translation>Three basic forms of the equilibrium equations:</translation>
    </message>
    <message>
        <source>Решение каждой системы приводит к единому результату : </source>
        <translation>Each of these systems gives the same result: </translation>
    </message>
    <message>
        <source>Ограничения</source>
        <translation>Restrictions</translation>
    </message>
    <message>
        <source>при использовании 2-й и 3-й форм уравнений (в противном случае</source>
        <translation>on the 2nd and 3rd forms of the equations (otherwise the</translation>
    </message>
    <message>
        <source>уравнения окажутся линейно зависимыми) :</source>
        <translation>equations are linearly dependent):</translation>
    </message>
    <message>
        <source>2-я форма:</source>
        <translation>2nd form:</translation>
    </message>
    <message>
        <source>нельзя допускать, чтобы прямая AB была перпендикулярна оси Ox;</source>
        <translation>line AB must not be perpendicular to the Ox axis;</translation>
    </message>
    <message>
        <source>3-я форма:</source>
        <translation>3rd form:</translation>
    </message>
    <message>
        <source>нельзя допускать, чтобы точки A, B, C лежали на одной прямой.</source>
        <translation>points A, B, C must not lie on one straight line.</translation>
    </message>
    <message>
        <source>Основные понятия и сведения</source>
        <translation>Basic concepts and facts</translation>
    </message>
    <message>
        <source>Определение силы</source>
        <translation>Definition of force</translation>
    </message>
    <message>
        <source>Определение пары сил</source>
        <translation>Definition of a couple</translation>
    </message>
    <message>
        <source>Момент силы отн. точки</source>
        <translation>Moment about a point</translation>
    </message>
    <message>
        <source>Уравнения равновесия</source>
        <translation>Equilibrium equations</translation>
    </message>
</context>
<context>
    <name>TRepForm</name>
    <message>
        <source>Репетитор</source>
        <translation>Tutor</translation>
    </message>
    <message>
        <source>РЕПЕТИТОР приветствует Вас !</source>
        <translation>The TUTOR welcomes you!</translation>
    </message>
    <message>
        <source>Подсистема РЕПЕТИТОР поможет Вам научиться составлять уравнения равновесия для одного тела и для системы тел.</source>
        <translation>The TUTOR subsystem will help you learn to write equilibrium equations for a single body and for a system of bodies.</translation>
    </message>
    <message>
        <source>Знакомство с примерами составления уравнений равновесия</source>
        <translation>Worked examples of writing equilibrium equations</translation>
    </message>
    <message>
        <source>Решение контрольной задачи по статике</source>
        <translation>Solving a statics test problem</translation>
    </message>
    <message>
        <source>Завершение работы с подсистемой РЕПЕТИТОР</source>
        <translation>Leave the TUTOR</translation>
    </message>
</context>
<context>
    <name>TReshForm</name>
    <message>
        <source>Методика решения задач</source>
        <translation>Problem-solving method</translation>
    </message>
    <message>
        <source>Уважаемый  коллега !</source>
        <translation>Dear colleague!</translation>
    </message>
    <message>
        <source>Сейчас вы имеете возможность ознакомиться с основными понятиями и фактами статики, с методикой решения задач на составление и исследование уравнений равновесия.</source>
        <translation>Here you can get to know the basic concepts and facts of statics and the method of solving problems in which equilibrium equations are written and studied.</translation>
    </message>
    <message>
        <source>Основные понятия и сведения</source>
        <translation>Basic concepts and facts</translation>
    </message>
    <message>
        <source>Методика решения задач статики</source>
        <translation>Method of solving statics problems</translation>
    </message>
    <message>
        <source>Завершение обзора</source>
        <translation>End the overview</translation>
    </message>
</context>
<context>
    <name>TSvyazForm</name>
    <message>
        <source>   Здесь на балку AB наложены два вида связей:  в т. A  -  цилиндрический шарнир и в т. B - опора на абсолютно гладкую наклонную плоскость. </source>
        <translation>   Here beam AB has two kinds of supports: a pin (cylindrical hinge) at A and, at B, a perfectly smooth inclined plane. </translation>
    </message>
    <message>
        <source>Схема: балка AB на шарнире A и гладкой наклонной плоскости в точке B</source>
        <translation>Diagram: beam AB on pin A and on a smooth inclined plane at point B</translation>
    </message>
    <message>
        <source>   Сила реакции, действующая на балку в т. B,  направлена ортогонально к наклонной плоскости, а реакцию в шарнире следует представить в виде двух составляющих.</source>
        <translation>   The reaction acting on the beam at B is normal to the inclined plane, and the reaction of the pin is shown as two components.</translation>
    </message>
    <message>
        <source>Схема: балка AB, освобожденная от связей, с реакциями XA, YA и RB</source>
        <translation>Free-body diagram of beam AB with the reactions XA, YA and RB</translation>
    </message>
    <message>
        <source>Схема: балка AK, подвешенная на нитях, связанных в точке D</source>
        <translation>Diagram: beam AK hanging on strings tied at point D</translation>
    </message>
    <message>
        <source>Схема: натяжения нитей TA, TB и TC</source>
        <translation>Diagram: string tensions TA, TB and TC</translation>
    </message>
    <message>
        <source>   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точках A и B, направлены вдоль нитей.</source>
        <translation>   Here the supports are strings. Beam AK hangs on two strings tied at D to a third one fixed to the ceiling. The reactions acting on the beam at A and B are directed along the strings.</translation>
    </message>
    <message>
        <source>   Сила, натягивающая нить DC, также направлена вдоль нити.</source>
        <translation>   The force that stretches string DC is also directed along the string.</translation>
    </message>
    <message>
        <source>    Изогнутая под прямым углом балка заделана в стенку в точке B. Связь в точке B препятствует не только поступательному перемещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с  моментом заделки.</source>
        <translation>    A beam bent at a right angle is built into a wall at B. The fixed support at B prevents not only the translation of the body but also its rotation about that point. The reaction at B is a force and a couple with the fixed-end moment.</translation>
    </message>
    <message>
        <source>Схема: изогнутая балка, заделанная в стенку в точке B, с силой F</source>
        <translation>Diagram: bent beam built into a wall at point B, with force F</translation>
    </message>
    <message>
        <source>Схема: реакции заделки XB, YB и момент MB</source>
        <translation>Diagram: fixed-support reactions XB, YB and moment MB</translation>
    </message>
    <message>
        <source>Схема: карандаш в стакане, точки опоры A, D и B</source>
        <translation>Diagram: pencil in a glass, contact points A, D and B</translation>
    </message>
    <message>
        <source>Схема: реакции RA, RD и RB, действующие на карандаш</source>
        <translation>Diagram: reactions RA, RD and RB acting on the pencil</translation>
    </message>
    <message>
        <source>Карандаш в стакане</source>
        <translation>Pencil in a glass</translation>
    </message>
    <message>
        <source>   Поскольку поверхности стенок стакана и карандаша абсолютно гладкие, то силы реакций, действующих на карандаш, будут направлены ортогонально к названным поверхностям.</source>
        <translation>   Since the walls of the glass and the pencil are perfectly smooth, the reactions acting on the pencil are normal to those surfaces.</translation>
    </message>
    <message>
        <source>Виды связей</source>
        <translation>Types of supports</translation>
    </message>
    <message>
        <source>Вращательный шарнир и катковая опора</source>
        <translation>Pin and roller supports</translation>
    </message>
    <message>
        <source>Гибкая связь</source>
        <translation>Flexible support</translation>
    </message>
    <message>
        <source>Жесткое защемление</source>
        <translation>Fixed support</translation>
    </message>
    <message>
        <source>Контакт с гладкой поверхностью</source>
        <translation>Contact with a smooth surface</translation>
    </message>
</context>
<context>
    <name>TUrForm</name>
    <message>
        <source>Поздравляю! Теперь вы без труда сможете составить уравнения равновесия для плоской системы сил.</source>
        <translation>Congratulations! Now you can easily write the equilibrium equations for a plane system of forces.</translation>
    </message>
    <message>
        <source>Составление уравнений равновесия</source>
        <translation>Writing equilibrium equations</translation>
    </message>
</context>
</TS>
