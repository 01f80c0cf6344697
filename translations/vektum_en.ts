<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Dialogue</name>
    <message>
        <source>Ваш ответ, коллега:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Совершенно правильно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это то, что нужно !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коллега, я полностью с Вами согласен !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коллега, вы снова абсолютно правы !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Молодец! Так держать.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Хочу Вас поздравить! Именно это и требовалось.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Мне нравится ход ваших мыслей! Это то, что нужно.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>К сожалению, вы ошибаетесь.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это никуда не годится !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коллега, вы неправы !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коллега, вы снова неправы !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пропустить вопрос</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExerciseLayout</name>
    <message>
        <source>Схема задачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Условие задачи</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вопрос :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вопрос</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОНТРОЛЕР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Недостаточно памяти для выполнения операции.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Непредвиденная ошибка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка! Введены не все данные.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка! Матрица A является вырожденной.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка! Решение не может быть вычислено: числа выходят за пределы допустимого диапазона.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: пустой параметр при обращении к таблице</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: нет такой переменной &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: Деление на нуль</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: нуль в аргументе логарифма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: ноль в аргументе котангенса</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка в записи формулы: пропущен операнд</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка вычисления: недопустимая операция (неопределённое значение)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка вычисления: переполнение</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка в записи формулы: формула слишком длинная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка в записи формулы: слишком глубокая вложенность скобок</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: &quot;%1&quot; не является числом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: нехватает закрывающей скобки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: нехватает открывающей скобки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: число &quot;%1&quot; слишком велико</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка: Несчем сравнивать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка вычисления: значение не является числом</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Невозможно преобразовать строку &apos;%1&apos; в число.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неверное расставление скобок в позиции %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пустая строка.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В показателе степени ( скобок больше, чем ).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В показателе степени ) скобок больше, чем (.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возможно при выполнении операции возведения в степень произошло переполнение буфера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Невозможно при выполнении операции возведения в степень произошло переполнение буфера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возможно при выполнении операции произведения произошло переполнение буфера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возможно при выполнении операции деления произошло переполнение буфера или деление на нуль.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возможно при выполнении операции сложения произошло переполнение буфера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Возможно при выполнении операции вычитания произошло переполнение буфера.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсутствует скобка ( в строке %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Отсутствует скобка ) в строке %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При вычислении котангенса произошло деление на 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При вычислении тангенса произошло деление на 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При вычислении секанса произошло деление на 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При вычислении косеканса произошло деление на 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение при вычислении гиперболического синуса.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение при вычислении гиперболического косинуса.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При вычислении гиперболического тангенса произошло деление на 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При вычислении гиперболического котангенса произошло деление на 0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение при вычислении экспоненты.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Переполнение при вычислении квадрата числа.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестная функция %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аргумент для вычисления арксинуса, равный %1, должен лежать в интервале (-1;1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аргумент  для вычисления арккосинуса, равный %1, должен лежать в интервале (-1;1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аргумент  для вычисления натурального логарифма, равный %1, должен быть больше нуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аргумент  для вычисления десятичного логарифма, равный %1, должен быть больше нуля.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Квадратный корень из отрицательного числа %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верхний индекс в позиции %1 не связан ни с одним выражением.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Нижний индекс в позиции %1 не связан ни с одним выражением.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Невозможно вычислить одно или оба выражения при сравнении (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Модули упражнений не инициализированы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Прежде чем Вы приступите к вычислению матрицы, Вам придется ответить на несколько тестовых вопросов. При пяти неправильных ответах КОНТРОЛЕР прекращает работу и вызывает РЕПЕТИТОР.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModeMenu</name>
    <message>
        <source>Пожалуйста, выберите интересующий Вас раздел</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верcия 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Верcия 1.0 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обучающая система ВЕКТУМ-W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Обучающая система </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PictureBox</name>
    <message>
        <source>Схема</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReferencePictures</name>
    <message>
        <source>Дано :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a - радиус диска.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = 2b,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вес балки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = b, AC = a,</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schemes</name>
    <message>
        <source>    Однородная горизонтальная балка AB опирается на наклонную плоскость и на острие в т. D. Поверхность балки  и наклонная плоскость абсолютно гладкие. Определить силу F, которая обеспечивает равновесие.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>     Однородная колонна весом P опирается на вертикальную стену и на штифт в точке С. Поверхности горизонтальной балки и стены абсолютно гладкие. Весом балки пренебречь. На балку и колонну действуют пары сил с одинаковым по модулю моментом М. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    На каждое из рассматриваемых тел дейст- вует произвольная плоская система сил. Си- ловая нагрузка и геометрические размеры ко- нструкции известны. Подумайте, можно ли ре- шить эту задачу ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подумайте, какие уравнения равновесия мож- но сейчас составить.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Однородная горизонтальная балка AB опи- рается на наклонную плоскость в т. B и за- креплена цилиндрическим шарниром в т. C. Поверхность балки и наклонная плоскость абсолютно гладкие.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   К абсолютно твердому телу приложена не- которая система сил (красный цвет обозна- чает неизвестные силы, а пурпурный - задан- ные).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Изогнутая под прямым углом балка заде- лана в стенку в точке B. Связь в точке B пре- пятствует не только поступательному пере- мещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с моментом заделки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точ- ках A и B, направлены вдоль нитей.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = 2b, AD = a,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = 2b, AD = a, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Главный момент системы сил относительно</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>точки D имеет вид :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В (1) первое слагаемое имеет нулевой</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>радиус-вектор; следовательно,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В рассматриваемом случае главный вектор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>системы равен :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = 4b, AC = b, DC = 2a,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : DC = 2a, M, P(вес колонны),</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = 4b, AC = b, M.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = 2b,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a - радиус диска.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Дано : AB = b, AC = a,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>вес балки.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Script</name>
    <message>
        <source>Какой угол будет составлять сила R!B@ c балкой AB, если балку освободить от внешних связей?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какой угол сила R!D@ образует с вертикалью ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Существует ли в уравнении (1) еще слагаемое, равное нулю ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Какой номер имеет это слагаемое?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите сумму проекций всех сил на ось Ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите сумму проекций всех сил на ось Oy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите сумму моментов всех сил относительно т. D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите сумму моментов всех сил относительно т. B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите чему равна сила F из системы (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Теперь, пожалуйста, запишите выражение для R!D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Будьте любезны, запишите также выражение для R!B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько неизвестных будет в уравнениях равновесия сист., освобожденной от внешн. связей?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Можно ли определить реакции внешних связей, не расчленяя систему?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько неизвестных составляющих у реакции в т. С?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Укажите число независимых неизвестных, если расчленить систему</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При каком значении момента М реакция R!D@ равна нулю</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Является ли эта задача статически определимой?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько нужно составить уравнений, чтобы найти все неизвестные?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для колонны сумму проекций всех сил на ось Ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для колонны сумму проекций всех сил на ось Oy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для колонны сумму моментов всех сил относительно т. C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для балки сумму проекций всех сил на ось Ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для балки сумму проекций всех сил на ось Oy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для балки сумму моментов всех сил относительно т. C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько неизвестных составляющих у реакции в т. A?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите сумму моментов всех сил относительно точки A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пусть тело находится в равновесии. Чему равна сила Y!A@?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чему равна сила X!B@?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чему равна сила Y!B@?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чему равен момент M!B@?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сколько составляющих имеет реакция связи в точке A?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для балки AK сумму проекций всех сил на ось Ox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запишите для балки AK сумму проекций всех сил на ось Oy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Чему равна сила T!A@?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SolverWindow</name>
    <message>
        <source>Решение системы AX = B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уважаемый коллега !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Я рад помочь Вам решить систему %1 линейных алгебраических уравнений AX = B. Сообщите, пожалуйста, коэффициенты матрицы A и столбца B.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вычисленные значения неизвестных</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Коэффициент A(%1,%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Свободный член B%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Неизвестное X%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Считать</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Выход</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAskForm</name>
    <message>
        <source>Выбор порядка системы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Систему какого порядка решаем ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Система 6 уравнений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Система 9 уравнений</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConsForm</name>
    <message>
        <source>Консультант</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОНСУЛЬТАНТ приветствует Вас !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсистема КОНСУЛЬТАНТ может предоставить Вам необходимую справку по работе с системой ВЕКТУМ-W,  некоторые  сведения по теории и методике решения задач.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информация о работе с системой ВЕКТУМ-W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Методика решения задач</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виды связей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершение работы с подсистемой КОНСУЛЬТАНТ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEqEdit</name>
    <message>
        <source>Формула</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>     Для  набора греческой буквы следует предварительно нажать функциональную клавишу</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, а затем - соответствующий этой букве аналог в латинском регистре.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Аналоги для строчных букв греческого алфавита:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Переход в верхнюю позицию осуществляется клавишей &quot;UP&quot; (вверх). Возврат в прежднее положение осуществляется клавишей &quot;DOWN&quot; (вниз).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Переход в нижнюю позицию осуществляется клавишей &quot;DOWN&quot; (вниз). Возврат в прежднее положение осуществляется клавишей &quot;UP&quot; (вверх).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        При вводе формулы или выражения обратите внимание на то,   какие Вам нужны литеры - заглавные или строчные.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Например, в обозначении</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>буквы &quot;M&quot; и &quot;B&quot; заглавные,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>а &quot;z&quot; строчная. Будьте внимательны, программа различает регистр.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>При записи функций, параметры необходимо вводить в скобках:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Запись возведения в степень:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      2) При возведении переменной в степень, первым пишется индекс, затем указывается показатель степени. Скобки ставить не обязательно:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      3) Если показатель степени - сложное выражение, то его необходимо брать в скобки:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>      4)При умножении между множителями обязательно пишется  звездочка :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Для утвердительного ответа на вопрос необходимо ввести в поле ввода </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Для отрицательного ответа на вопрос необходимо ввести в поле ввода </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Информация о системе</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Набор греческих букв</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Набор выражения, формулы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Особенности набора формул</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ответы на вопросы системы</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKontrForm</name>
    <message>
        <source>Контролер</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОНТРОЛЕР приветствует Вас !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсистема КОНТРОЛЕР проверяет, насколько Вами освоена техника решения задач статики плоской системы сил и позволяет решить систему линейных алгебраических уравнений.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решение системы линейных уравнений</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершение работы с подсистемой КОНТРОЛЕР</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKzsForm</name>
    <message>
        <source>Вы ответили неверно пять раз. Проверьте свои знания и попробуйте снова. Желаю удачи!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ошибка ввода данных.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вы успешно прошли это испытание. Поздравляю! Желаю дальнейших успехов! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решение контрольной задачи по статике</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Вектум</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Система</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВЕКТУМ-W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- это комплекс программ, предназначенный для интенсив- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ного индивидуального обучения теоретической механике. Система ВЕКТУМ-W помогает пользователю освоить методику решения различных прикладных задач, где требуется исследовать условия равновесия твердого тела или системы таких тел.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пожалуйста, выберите интересующий Вас раздел </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОНСУЛЬТАНТ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РЕПЕТИТОР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>КОНТРОЛЕР</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ВЫХОД</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMetodForm</name>
    <message>
        <source>Методика решения задач статики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>             Методика решения задач базируется на основных аксиомах статики и сводится к следующей последовательности операций в процессе решения задач :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 шаг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Систему абсолютно твердых тел, находящихся в равновесии, освобождаем от</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внешних</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>связей и действие связей заменяем соответствующими реакциями</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>связей.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 шаг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Расчленяем систему на отдельные тела или отдельные группы тел, а действие</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>внутренних</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>связей заменяем соответствующими реакциями связей.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 шаг.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Записываем и анализируем </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>условия равновесия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>каждого выделенного тела</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>или каждой выделенной группы тел.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPonForm</name>
    <message>
        <source>Схема: диск C с весом G и реакциями R в точках A и B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сила</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- мера механического воздействия на материальное</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>тело со стороны каких-либо материальных объектов.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Это - векторная величина, характеризующаяся числен- ным значением, направлением и точкой приложения.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В системе ВЕКТУМ-W заданные (активные) силы изображаются пурпурным цветом, а красный цвет соответствует тем силам, которые неизвестны (реакциям связей).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Замечание.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: диск C с парой сил F и P и реакциями в точке B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пара сил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- система двух сил, приложенных к одному телу,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>равных по модулю и направленных в противоположные</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>стороны.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Пара сил характеризуется моментом. Момент пары преставляет собой вектор, перпендикулярный плоскости пары, равный по модулю произведению модуля одной из сил пары на плечо пары и напрвленный в ту сторону, откуда вращение тела, которое стремится вызвать пара</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>представляется происходящим против хода часовой стрелки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: сила F и её проекции на оси x и y, углы альфа и гамма</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Проекция силы на ось</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- это скалярная величина, равная</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>произведению модуля силы на косинус угла, образован- </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ного положительным направлением оси и направлением силы:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если есть необходимость перейти к иному отсчету угла, то, учитывая соотношения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>получим:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: момент силы F относительно полюса B, радиус-вектор r и плечо h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: разложение силы F на составляющие F1 и F2 с плечами h1 и h2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Момент силы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>относительно полюса (точки В) - это вектор,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>равный векторному произведению радиус-вектора r, прове-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>денного из полюса в точку приложения силы, на вектор силы F:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>В случае плоской системы сил проекцию вектора             на ось Oz можно вычислить так :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- если сила стремится повернуть тело вокруг полюса против хода часовой стрелки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- если сила стремится повернуть тело вокруг полюса по ходу часовой стрелки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Здесь F - модуль силы, h = r sin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- плечо.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Если вычисление затруднено, то момент силы относи- тельно точки может быть найден следующим образом: сила F раскладывается на две составляющие так, чтобы легко было найти для них плечи. Например:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M!Oz@(F) = -h!1@F!1@ - h!2@F!2@, где F!1@ - Fcos~a,  h!1@ = 2R,  F!2@ = Fsin~a,  h!2@ = R.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: стержень AC и диск O, сила F и реакции в заделке A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уравнения равновесия для плоской системы сил.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Три основные формы записи уравнений равновесия :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решение каждой системы приводит к единому результату : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ограничения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>при использовании 2-й и 3-й форм уравнений (в противном случае</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>уравнения окажутся линейно зависимыми) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-я форма:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нельзя допускать, чтобы прямая AB была перпендикулярна оси Ox;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3-я форма:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>нельзя допускать, чтобы точки A, B, C лежали на одной прямой.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основные понятия и сведения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение силы</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Определение пары сил</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Момент силы отн. точки</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уравнения равновесия</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRepForm</name>
    <message>
        <source>Репетитор</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>РЕПЕТИТОР приветствует Вас !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Подсистема РЕПЕТИТОР поможет Вам научиться составлять уравнения равновесия для одного тела и для системы тел.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Знакомство с примерами составления уравнений равновесия</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Решение контрольной задачи по статике</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершение работы с подсистемой РЕПЕТИТОР</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReshForm</name>
    <message>
        <source>Методика решения задач</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Уважаемый  коллега !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Сейчас вы имеете возможность ознакомиться с основными понятиями и фактами статики, с методикой решения задач на составление и исследование уравнений равновесия.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Основные понятия и сведения</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Методика решения задач статики</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Завершение обзора</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSvyazForm</name>
    <message>
        <source>   Здесь на балку AB наложены два вида связей:  в т. A  -  цилиндрический шарнир и в т. B - опора на абсолютно гладкую наклонную плоскость. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: балка AB на шарнире A и гладкой наклонной плоскости в точке B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Сила реакции, действующая на балку в т. B,  направлена ортогонально к наклонной плоскости, а реакцию в шарнире следует представить в виде двух составляющих.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: балка AB, освобожденная от связей, с реакциями XA, YA и RB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: балка AK, подвешенная на нитях, связанных в точке D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: натяжения нитей TA, TB и TC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Здесь связи представлены нитями. Балка AK подвешена на двух нитях, которые в точке D связаны с третьей, привязанной к потолку. Силы реакции, действующие на балку в точках A и B, направлены вдоль нитей.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Сила, натягивающая нить DC, также направлена вдоль нити.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>    Изогнутая под прямым углом балка заделана в стенку в точке B. Связь в точке B препятствует не только поступательному перемещению тела, но и повороту его вокруг этой точки. Реакция в т. B характеризуется силой и парой сил с  моментом заделки.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: изогнутая балка, заделанная в стенку в точке B, с силой F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: реакции заделки XB, YB и момент MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: карандаш в стакане, точки опоры A, D и B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Схема: реакции RA, RD и RB, действующие на карандаш</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Карандаш в стакане</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Поскольку поверхности стенок стакана и карандаша абсолютно гладкие, то силы реакций, действующих на карандаш, будут направлены ортогонально к названным поверхностям.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Виды связей</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Вращательный шарнир и катковая опора</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Гибкая связь</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Жесткое защемление</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Контакт с гладкой поверхностью</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TUrForm</name>
    <message>
        <source>Ошибка ввода данных.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Поздравляю! Теперь вы без труда сможете составить уравнения равновесия для плоской системы сил.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Составление уравнений равновесия</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
