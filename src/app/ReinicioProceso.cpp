#include "ReinicioProceso.h"
#include "ArchivosDelPrograma.h"
#include "CargaAsientos.h"
#include "Contadores.h"
#include "DB_Dll.h"
#include "DialogoConsulta.h"
#include "Dialogos.h"
#include "Dll_Display.h"
#include "InfoSistema.h"
#include "MotorSqlite.h"
#include "Programa.h"
#include "Sentencias.h"
#include "Sesion.h"
#include "SkinFramework.h"
#include "TextosQtEnEspanol.h"
#include <QLocale>

void RestablecerProceso() {
    gDisplay().CartelCerrar();
    gDB() = DB_Dll();
    gDBEstadisticas() = DB_Dll();
    ReiniciarSesion();
    contadores() = Contadores();
    ReiniciarCamposPendientes();
    gDialogoConsulta() = DialogoConsulta();
    EstablecerDialogos(nullptr);
    InfoSistema::EstablecerLanzador(nullptr);
    Programa::EstablecerCarpeta(QString());
    ArchivosDelPrograma::FijarCarpetaProgramaEscribible(std::nullopt);
    ArchivosDelPrograma::FijarCarpetasUsuario(QString(), QString());
    Programa::EstablecerLineaComando(QString());
    Programa::TerminarLanzando(false);
    DB_Dll::esperaReconexionMs = DB_Dll::kEsperaReconexionMs;
    MotorSqlite::esperaOcupadaMs = MotorSqlite::kEsperaOcupadaMs;
    CargaAsientos::intervaloMs = CargaAsientos::kIntervaloMs;
    QLocale::setDefault(QLocale::system());
    QuitarTextosQtEnEspanol();
    RestablecerSkinPrograma();
}
