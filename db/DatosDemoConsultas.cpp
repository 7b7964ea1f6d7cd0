#include "db/DatosDemoConsultas.h"

#include "platform/ado/Connection.h"

#include <QStringList>
#include <QVariant>

#include <array>
#include <cstdint>

namespace {

// A fixed sequence of numbers, so that every load gives the same rows.
class Secuencia {
public:
    int siguiente(int limite)
    {
        estado_ = estado_ * 1103515245u + 12345u;
        return static_cast<int>((estado_ >> 16) % static_cast<uint32_t>(limite));
    }

private:
    uint32_t estado_ = 20250305u;
};

QString sqlValor(const QVariant& valor)
{
    if (valor.isNull())
        return QStringLiteral("NULL");
    if (valor.typeId() == QMetaType::QString)
        return u'\'' + valor.toString().replace(u'\'', QLatin1String("''")) + u'\'';
    if (valor.typeId() == QMetaType::Double)
        return QString::number(valor.toDouble(), 'f', 2);
    return valor.toString();
}

void inserta(ado::Connection& c, const char* tabla, const char* columnas, const QVariantList& valores)
{
    QStringList textos;
    for (const QVariant& v : valores)
        textos << sqlValor(v);
    c.Execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                  .arg(QLatin1String(tabla), QLatin1String(columnas), textos.join(QStringLiteral(", "))));
}

QString txt(const char* texto)
{
    return QString::fromUtf8(texto);
}

template <size_t N>
QString de(const std::array<const char*, N>& lista, int i)
{
    return txt(lista[static_cast<size_t>(i) % N]);
}

const std::array<const char*, 40> kNombres{
    "Juan",    "María",   "Carlos",  "Ana",      "Jorge",  "Laura",     "Luis",      "Silvia",   "Miguel",   "Patricia",
    "Roberto", "Claudia", "Ricardo", "Graciela", "Daniel", "Mónica",    "Alejandro", "Gabriela", "Fernando", "Verónica",
    "Sergio",  "Andrea",  "Diego",   "Lorena",   "Pablo",  "Marcela",   "Martín",    "Valeria",  "Eduardo",  "Natalia",
    "Hernán",  "Soledad", "Gustavo", "Carolina", "Raúl",   "Florencia", "Ignacio",   "Paula",    "Tomás",    "Inés"};
const std::array<const char*, 44> kApellidos{
    "González", "Rodríguez", "Gómez",  "Fernández", "López",     "Díaz",    "Martínez",  "Pérez",   "García",
    "Sánchez",  "Romero",    "Sosa",   "Álvarez",   "Torres",    "Ruiz",    "Ramírez",   "Flores",  "Acosta",
    "Benítez",  "Medina",    "Suárez", "Herrera",   "Aguirre",   "Pereyra", "Gutiérrez", "Giménez", "Molina",
    "Silva",    "Castro",    "Rojas",  "Ortiz",     "Núñez",     "Luna",    "Juárez",    "Cabrera", "Ríos",
    "Morales",  "Godoy",     "Moreno", "Ferreyra",  "Domínguez", "Carrizo", "Peralta",   "Vega"};
const std::array<const char*, 24> kLocalidades{
    "Buenos Aires",       "Córdoba",    "Rosario",  "Mendoza",     "La Plata",    "San Miguel de Tucumán",
    "Mar del Plata",      "Salta",      "Santa Fe", "San Juan",    "Resistencia", "Neuquén",
    "Bahía Blanca",       "Posadas",    "Paraná",   "Corrientes",  "San Luis",    "Río Cuarto",
    "Comodoro Rivadavia", "San Rafael", "Tandil",   "Villa María", "Rafaela",     "Junín"};
const std::array<const char*, 24> kCalles{"Av. San Martín", "Belgrano",   "Rivadavia",  "Mitre",     "Sarmiento",
                                          "Av. Corrientes", "9 de Julio", "Moreno",     "Av. Colón", "Lavalle",
                                          "Urquiza",        "Alem",       "Pellegrini", "Güemes",    "Santa Fe",
                                          "España",         "Italia",     "Maipú",      "Tucumán",   "Entre Ríos",
                                          "Av. Libertador", "Brown",      "Dorrego",    "Las Heras"};

const std::array<const char*, 20> kRubrosClientes{"Distribuidora",    "Comercial",      "Ferretería",   "Panadería",
                                                  "Transportes",      "Construcciones", "Supermercado", "Farmacia",
                                                  "Librería",         "Talleres",       "Autoservicio", "Agropecuaria",
                                                  "Estudio Contable", "Clínica",        "Hotel",        "Restaurante",
                                                  "Imprenta",         "Maderera",       "Vivero",       "Óptica"};
const std::array<const char*, 16> kNombresComerciales{
    "del Sur",   "Norte",    "San Martín", "Los Andes", "La Esperanza", "El Progreso", "Santa Rosa", "Belgrano",
    "del Valle", "La Plata", "Rivadavia",  "San José",  "Las Heras",    "El Molino",   "Patagonia",  "Mediterránea"};
const std::array<const char*, 5> kFormas{"S.A.", "S.R.L.", "e Hijos", "S.A.", "S.R.L."};
const std::array<const char*, 10> kRubrosProveedores{"Mayorista",   "Importadora", "Fábrica", "Laboratorios",
                                                     "Papelera",    "Metalúrgica", "Textil",  "Molinos",
                                                     "Frigorífico", "Química"};

QString cuit(int prefijo, int numero)
{
    return QStringLiteral("%1-%2-%3")
        .arg(prefijo)
        .arg(20000000 + numero * 7919 % 9000000, 8, 10, QLatin1Char('0'))
        .arg(numero % 10);
}

QString telefono(Secuencia& s)
{
    return QStringLiteral("(0%1) %2-%3")
        .arg(11 + s.siguiente(380))
        .arg(400 + s.siguiente(599))
        .arg(s.siguiente(10000), 4, 10, QLatin1Char('0'));
}

QString persona(int i)
{
    return de(kNombres, i * 7) + u' ' + de(kApellidos, i * 13 + i / 44);
}

void clientes(ado::Connection& c, Secuencia& s)
{
    int id = 0;
    for (size_t r = 0; r < kRubrosClientes.size(); ++r) {
        for (size_t n = 0; n < kNombresComerciales.size(); ++n) {
            ++id;
            const QString razon = txt(kRubrosClientes[r]) + u' ' + txt(kNombresComerciales[n]) + u' '
                + de(kFormas, static_cast<int>(r + n));
            inserta(c, "MA_CLIENTES",
                    "ID, CODIGO, RAZON_SOCIAL, CONTACTO, CUIT, DOMICILIO, LOCALIDAD, TELEFONO, Dada_De_Baja",
                    {id, QStringLiteral("%1").arg(id, 5, 10, QLatin1Char('0')), razon, persona(id), cuit(30, id),
                     de(kCalles, id * 3) + u' ' + QString::number(100 + s.siguiente(4800)), de(kLocalidades, id * 5),
                     telefono(s), id % 17 == 0 ? 1 : 0});
        }
    }
    // A quote inside a name: searched for as typed, never ending the statement's literal.
    ++id;
    inserta(c, "MA_CLIENTES", "ID, CODIGO, RAZON_SOCIAL, CONTACTO, CUIT, DOMICILIO, LOCALIDAD, TELEFONO, Dada_De_Baja",
            {id, QStringLiteral("%1").arg(id, 5, 10, QLatin1Char('0')), txt("Consultora O'Brien S.R.L."),
             txt("Patricio O'Brien"), cuit(30, id), txt("Reconquista 1050"), txt("Buenos Aires"), telefono(s), 0});
}

void proveedores(ado::Connection& c, Secuencia& s)
{
    int id = 0;
    for (size_t r = 0; r < kRubrosProveedores.size(); ++r) {
        for (size_t n = 0; n < 15; ++n) {
            ++id;
            const QString razon = txt(kRubrosProveedores[r]) + u' ' + de(kApellidos, static_cast<int>(n * 3 + r)) + u' '
                + de(kFormas, static_cast<int>(r * 2 + n));
            inserta(c, "MA_PROVEEDORES", "ID, CODIGO, RAZON_SOCIAL, CONTACTO, CUIT, LOCALIDAD, TELEFONO, Dada_De_Baja",
                    {id, QStringLiteral("P%1").arg(id, 4, 10, QLatin1Char('0')), razon, persona(id + 200), cuit(33, id),
                     de(kLocalidades, id * 7), telefono(s), id % 19 == 0 ? 1 : 0});
        }
    }
}

struct Familia {
    const char* codigo;
    const char* descripcion;
    // Leaves only: the products of the family and the variants each comes in.
    std::array<const char*, 6> productos;
    std::array<const char*, 5> variantes;
};

const std::array<Familia, 36> kFamilias{{
    {"01", "Ferretería", {}, {}},
    {"0101", "Herramientas manuales", {}, {}},
    {"010101",
     "Martillos y mazas",
     {"Martillo carpintero", "Martillo de bola", "Maza", "Martillo de goma", "Piqueta", "Martillo de chapista"},
     {"300 g", "500 g", "750 g", "1 kg", "1,5 kg"}},
    {"010102",
     "Destornilladores",
     {"Destornillador plano", "Destornillador Phillips", "Destornillador Torx", "Destornillador de precisión",
      "Destornillador buscapolo", "Juego de destornilladores"},
     {"3 mm", "5 mm", "6 mm", "8 mm", "aislado 1000 V"}},
    {"010103",
     "Llaves",
     {"Llave combinada", "Llave francesa", "Llave tubo", "Llave Allen", "Llave de caño", "Llave estrella"},
     {"8 mm", "10 mm", "13 mm", "17 mm", "19 mm"}},
    {"0102", "Tornillería", {}, {}},
    {"010201",
     "Tornillos",
     {"Tornillo autorroscante", "Tornillo para madera", "Tornillo Parker", "Tornillo hexagonal",
      "Tornillo para durlock", "Tornillo de cabeza fresada"},
     {"x 100 u.", "x 500 u.", "3,5 x 25", "4 x 40", "6 x 60"}},
    {"010202",
     "Tuercas y arandelas",
     {"Tuerca hexagonal", "Tuerca autofrenante", "Arandela plana", "Arandela Grower", "Tuerca mariposa",
      "Bulón con tuerca"},
     {"M6", "M8", "M10", "M12", "x 100 u."}},
    {"0103", "Herramientas eléctricas", {}, {}},
    {"010301",
     "Taladros y amoladoras",
     {"Taladro percutor", "Amoladora angular", "Atornillador inalámbrico", "Rotomartillo", "Sierra circular",
      "Lijadora orbital"},
     {"550 W", "750 W", "900 W", "18 V", "1200 W"}},
    {"02", "Electricidad", {}, {}},
    {"0201", "Cables y conductores", {}, {}},
    {"020101",
     "Cables unipolares",
     {"Cable unipolar rojo", "Cable unipolar negro", "Cable unipolar celeste", "Cable unipolar verde-amarillo",
      "Cable unipolar marrón", "Cable unipolar blanco"},
     {"1,5 mm²", "2,5 mm²", "4 mm²", "6 mm²", "rollo 100 m"}},
    {"020102",
     "Cables tipo taller",
     {"Cable tipo taller 2 x", "Cable tipo taller 3 x", "Cable subterráneo 2 x", "Cable subterráneo 4 x",
      "Cordón paralelo", "Cable de alarma"},
     {"0,75 mm²", "1 mm²", "1,5 mm²", "2,5 mm²", "por metro"}},
    {"0202", "Iluminación", {}, {}},
    {"020201",
     "Lámparas",
     {"Lámpara LED", "Lámpara LED filamento", "Tubo LED", "Lámpara halógena", "Lámpara dicroica LED",
      "Lámpara bajo consumo"},
     {"7 W fría", "9 W cálida", "12 W fría", "18 W", "E27"}},
    {"020202",
     "Artefactos",
     {"Plafón LED", "Reflector LED", "Aplique de pared", "Colgante industrial", "Panel LED", "Luz de emergencia"},
     {"redondo", "cuadrado", "30 W", "50 W", "exterior IP65"}},
    {"0203", "Tomas y llaves", {}, {}},
    {"020301",
     "Módulos",
     {"Toma doble", "Llave de un punto", "Llave de combinación", "Toma 20 A", "Toma de TV", "Pulsador de timbre"},
     {"blanco", "marfil", "gris", "negro", "con bastidor"}},
    {"03", "Librería", {}, {}},
    {"0301", "Papelería", {}, {}},
    {"030101",
     "Papel",
     {"Resma A4", "Resma oficio", "Papel glasé", "Block de hojas", "Cuaderno tapa dura", "Repuesto rayado"},
     {"75 g", "80 g", "x 48 hojas", "x 96 hojas", "x 500 hojas"}},
    {"030102",
     "Escritura",
     {"Bolígrafo", "Marcador permanente", "Resaltador", "Lápiz negro", "Portaminas", "Corrector líquido"},
     {"azul", "negro", "rojo", "verde", "x 12 u."}},
    {"0302", "Archivo", {}, {}},
    {"030201",
     "Carpetas y biblioratos",
     {"Bibliorato", "Carpeta colgante", "Carpeta con elástico", "Folio transparente", "Caja archivo", "Separadores"},
     {"A4", "oficio", "lomo ancho", "x 10 u.", "x 100 u."}},
    {"04", "Limpieza", {}, {}},
    {"0401", "Químicos", {}, {}},
    {"040101",
     "Desinfectantes",
     {"Lavandina", "Desinfectante de pisos", "Alcohol en gel", "Limpiador multiuso", "Detergente", "Desengrasante"},
     {"500 ml", "1 l", "2 l", "5 l", "concentrado"}},
    {"0402", "Utensilios", {}, {}},
    {"040201",
     "Elementos de limpieza",
     {"Escoba", "Secador de piso", "Balde", "Trapo de piso", "Esponja", "Guantes de látex"},
     {"chico", "mediano", "grande", "reforzado", "x 3 u."}},
    {"05", "Almacén", {}, {}},
    {"0501", "Bebidas", {}, {}},
    {"050101",
     "Aguas y gaseosas",
     {"Agua mineral", "Agua con gas", "Gaseosa cola", "Gaseosa lima-limón", "Agua saborizada", "Soda en sifón"},
     {"500 ml", "1,5 l", "2,25 l", "pack x 6", "bidón 6 l"}},
    {"0502", "Infusiones", {}, {}},
    {"050201",
     "Café, té y yerba",
     {"Café molido", "Café en grano", "Té en saquitos", "Yerba mate", "Mate cocido", "Café instantáneo"},
     {"250 g", "500 g", "1 kg", "x 25 u.", "x 50 u."}},
    {"06", "Servicios", {}, {}},
}};

void articulos(ado::Connection& c, Secuencia& s)
{
    int numero = 10000;
    for (const Familia& f : kFamilias) {
        inserta(c, "TA_FAMILIAS", "CODIGO, DESCRIPCION", {txt(f.codigo), txt(f.descripcion)});
        if (!f.productos[0])
            continue;
        for (const char* producto : f.productos) {
            for (const char* variante : f.variantes) {
                ++numero;
                const double precio = 150.0 + s.siguiente(60000) / 4.0;
                const bool sinPunto = s.siguiente(8) == 0;
                const bool sinStock = s.siguiente(12) == 0;
                const double punto = s.siguiente(40);
                const double stock = s.siguiente(120) - 10;
                QVariantList fila{QString::number(numero), txt(producto) + u' ' + txt(variante), txt(f.codigo),
                                  sinPunto ? QVariant() : QVariant(punto), sinStock ? QVariant() : QVariant(stock)};
                constexpr std::array<double, 8> kListas{1.0, 0.92, 0.85, 1.15, 1.3, 0.8, 1.05, 1.21};
                for (double factor : kListas)
                    fila << precio * factor;
                fila << (numero % 23 == 0 ? 1 : 0);
                inserta(c, "MA_ARTICULOS",
                        "IDARTICULO, DESCRIPCION, IDFAMILIA, PUNTOPEDIDO, Stock, PRECIO1, PRECIO2, PRECIO3, PRECIO4, "
                        "PRECIO5, "
                        "PRECIO6, PRECIO7, PRECIO8, SUSPENDIDO",
                        fila);
            }
        }
    }
}

void contactos(ado::Connection& c, Secuencia& s)
{
    for (int id = 1; id <= 200; ++id) {
        inserta(c, "MA_CONTACTOS", "ID, Nombre_y_Apellido, Domicilio, Localidad, Telefono",
                {id, persona(id * 3 + 1), de(kCalles, id * 7) + u' ' + QString::number(10 + s.siguiente(5000)),
                 de(kLocalidades, id * 11), telefono(s)});
    }
}

const std::array<const char*, 8> kEspecialidades{"Electricidad", "Refrigeración", "Mecánica",    "Informática",
                                                 "Plomería",     "Soldadura",     "Electrónica", "Hidráulica"};
const std::array<const char*, 10> kEquipos{
    "Autoelevador", "Compresor",         "Grupo electrógeno", "Aire acondicionado", "Cámara de frío",
    "Caldera",      "Portón automático", "Ascensor de carga", "Bomba de agua",      "Servidor de datos"};
const std::array<const char*, 4> kTareas{"Service preventivo", "Revisión general", "Cambio de filtros",
                                         "Control de seguridad"};

void personal(ado::Connection& c)
{
    for (int id = 1; id <= 25; ++id)
        inserta(c, "TA_VENDEDORES", "IDVENDEDOR, NOMBRE, Dada_De_Baja", {id, persona(id * 5 + 2), id % 9 == 0 ? 1 : 0});
    for (int id = 1; id <= 18; ++id)
        inserta(c, "TA_TECNICOS", "IDTECNICO, NOMBRE, ESPECIALIDAD",
                {id, persona(id * 11 + 3), de(kEspecialidades, id)});
    int codigo = 0;
    for (const char* equipo : kEquipos) {
        for (const char* tarea : kTareas) {
            ++codigo;
            inserta(c, "MA_MANTENIMIENTOS", "CODIGO, DESCRIPCION, FRECUENCIA_DIAS",
                    {QStringLiteral("M%1").arg(codigo, 3, 10, QLatin1Char('0')),
                     txt(tarea) + QStringLiteral(" de ") + txt(equipo).toLower(), 30 * (1 + codigo % 6)});
        }
    }
}

const std::array<const char*, 3> kDepositos{"Depósito central", "Depósito Rosario", "Depósito Córdoba"};

// Warehouses (1 digit), aisles (3), shelves (5) and, in the first aisle of the central warehouse,
// levels (7): four depths.
void posiciones(ado::Connection& c)
{
    for (int d = 1; d <= 3; ++d) {
        const QString deposito = QString::number(d);
        inserta(c, "MA_POSICIONES", "IDPOSICION, DESCRIPCION", {deposito, de(kDepositos, d - 1)});
        for (int p = 1; p <= 5; ++p) {
            const QString pasillo = deposito + QStringLiteral("%1").arg(p, 2, 10, QLatin1Char('0'));
            inserta(c, "MA_POSICIONES", "IDPOSICION, DESCRIPCION", {pasillo, QStringLiteral("Pasillo %1").arg(p)});
            for (int e = 1; e <= 4; ++e) {
                const QString estante = pasillo + QStringLiteral("%1").arg(e, 2, 10, QLatin1Char('0'));
                inserta(c, "MA_POSICIONES", "IDPOSICION, DESCRIPCION",
                        {estante, QStringLiteral("Estantería %1").arg(QChar(u'A' + e - 1))});
                if (d != 1 || p != 1)
                    continue;
                for (int n = 1; n <= 3; ++n)
                    inserta(c, "MA_POSICIONES", "IDPOSICION, DESCRIPCION",
                            {estante + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')),
                             QStringLiteral("Nivel %1").arg(n)});
            }
        }
    }
}

struct CentroCosto {
    const char* codigo;
    const char* descripcion;
};

const std::array<CentroCosto, 34> kCentrosCosto{{
    {"1", "Administración"},
    {"101", "Contaduría"},
    {"10101", "Cuentas a pagar"},
    {"10102", "Cuentas a cobrar"},
    {"10103", "Impuestos"},
    {"102", "Recursos humanos"},
    {"10201", "Selección"},
    {"10202", "Liquidación de sueldos"},
    {"10203", "Capacitación"},
    {"103", "Sistemas"},
    {"10301", "Soporte técnico"},
    {"10302", "Desarrollo"},
    {"2", "Comercial"},
    {"201", "Ventas"},
    {"20101", "Ventas mayoristas"},
    {"20102", "Ventas minoristas"},
    {"20103", "Ventas por internet"},
    {"202", "Marketing"},
    {"20201", "Publicidad"},
    {"20202", "Promociones"},
    {"203", "Atención al cliente"},
    {"3", "Operaciones"},
    {"301", "Logística"},
    {"30101", "Depósito"},
    {"30102", "Distribución"},
    {"30103", "Flota de vehículos"},
    {"302", "Compras"},
    {"303", "Mantenimiento"},
    {"30301", "Mantenimiento edilicio"},
    {"30302", "Mantenimiento de equipos"},
    {"4", "Dirección"},
    {"401", "Gerencia general"},
    {"402", "Auditoría interna"},
    {"403", "Legales"},
}};

struct Clave {
    const char* clave;
    const char* valor;
};

// The lookups' settings: price list names, stock colours (OLE colour numbers: green, blue, red,
// grey), stock colouring on, 1000 rows at most, searches that match anywhere in a field.
const std::array<Clave, 15> kClaves{{
    {"NOM_PCLASE1", "Lista general"},
    {"NOM_PCLASE2", "Mayorista"},
    {"NOM_PCLASE3", "Distribuidor"},
    {"NOM_PCLASE4", "Minorista"},
    {"NOM_PCLASE5", "Venta al público"},
    {"NOM_PCLASE6", "Promoción"},
    {"NOM_PCLASE7", "Cuenta corriente"},
    {"NOM_PCLASE8", "Precio con IVA"},
    {"STK_NIVEL1", "32768"},
    {"STK_NIVEL2", "16711680"},
    {"STK_NIVEL3", "255"},
    {"STK_NIVEL4", "8421504"},
    {"MOSTRARSTOCKENCONSULTAS", "SI"},
    {"TOPCONSART", "1000"},
    {"USACONSULTALIKE", "SI"},
}};

} // namespace

void DatosDemoConsultas::Carga(ado::Connection& c)
{
    Secuencia s;
    clientes(c, s);
    proveedores(c, s);
    articulos(c, s);
    contactos(c, s);
    personal(c);
    posiciones(c);
    for (const CentroCosto& cc : kCentrosCosto)
        inserta(c, "TA_CCOSTO", "CODIGO, DESCRIPCION", {txt(cc.codigo), txt(cc.descripcion)});
    for (const Clave& k : kClaves)
        inserta(c, "TA_CONFIGURACION", "Grupo, Clave, Valor, PoliticaNegocio",
                {QStringLiteral("CONSULTAS"), txt(k.clave), txt(k.valor), 0});
}
